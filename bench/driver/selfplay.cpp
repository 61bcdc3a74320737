#include "bench/driver/selfplay.h"

#include <chrono>

#include "computer/choix.h"
#include "computer/ecart.h"
#include "computer/evaluation.h"
#include "computer/suivi.h"
#include "game/distribution.h"
#include "game/pli.h"
#include "game/score.h"

namespace {

// Runs `f`, adding its duration to `total` when there is one.
template <class F>
void Chronometrer(double* total, F f) {
  if (total == nullptr) {
    f();
    return;
  }
  const auto debut = std::chrono::steady_clock::now();
  f();
  *total += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

// Reset of the deal state, the next opener, and the deal itself.
void PreparerNouvelleDonne(Partie& g, Chronos* chronos) {
  g.CouleurLonguePreneurCoupee = 0;
  g.PoigneeAnnoncee = 0;
  g.OffrePoigneeEnCours = 0;
  g.Preneur = 0;
  g.EnchereJoueur.Remplir(EnchereAucune);
  g.MeilleureEnchere = 0;
  g.ChienAffiche = 0;
  g.PliAffiche = 0;
  g.BoutsPreneur = 0;
  g.BoutsDefense = 0;
  for (Carte& c : g.PliCourant) c.Couleur = -1;
  g.AttenteClic = 0;
  g.EcartHumainEnCours = 0;
  g.AttenteJeuHumain = 0;
  g.PlusHautAtoutPli = 0;
  g.PremierJoueur = Suivant(g.PremierJoueur);
  g.Donneur = Precedent(g.PremierJoueur);
  g.EntameurPli = g.PremierJoueur;
  g.JoueurCourant = g.PremierJoueur;
  g.NbCartesPli = 0;
  g.DemiPointsPreneur = 0;
  g.DemiPointsDefense = 0;
  Chronometrer(chronos ? &chronos->secondesDonne : nullptr, [&] { DistribuerDonneAcceptee(g); });
  g.NumeroPli = 0;
  g.NbEncheres = 0;
}

// Each seat from the opener bids what its hand supports; a bid that does not beat the best
// one so far is a pass. Seat 1 bids its advice under the same rule.
void Encherir(Partie& g) {
  int16_t siege = g.PremierJoueur;
  for (int i = 0; i < 4; ++i) {
    int16_t enchere = 0;
    CalculerEnchereConseillee(g, siege, enchere);
    if (enchere > g.MeilleureEnchere) {
      g.MeilleureEnchere = enchere;
    } else {
      enchere = EncherePasse;
    }
    g.EnchereJoueur[siege] = enchere;
    ++g.NbEncheres;
    siege = Suivant(siege);
  }
}

// The highest bid from the opener on; a tie goes to the seat that spoke first.
int16_t DeterminerPreneur(const Partie& g) {
  int16_t meilleur = g.PremierJoueur;
  int16_t siege = g.PremierJoueur;
  for (int i = 1; i < 4; ++i) {
    siege = Suivant(siege);
    if (g.EnchereJoueur[siege] > g.EnchereJoueur[meilleur]) meilleur = siege;
  }
  return meilleur;
}

// One card of the seat to play, through the card timer's steps.
void JouerUneCarte(Partie& g, TraceDonne& t, Chronos* chronos) {
  const int16_t j = g.JoueurCourant;
  DeterminerCartesJouables(g, j);
  const Tab1<int16_t, 18> legales = g.CarteJouable[j];
  const int16_t n = g.NumeroPli;
  Chronometrer(chronos ? &chronos->secondesChoix : nullptr, [&] { JouerCarteOrdinateur(g, j); });
  if (chronos) ++chronos->cartes;
  const int16_t place = g.CarteJoueeParPli[j][n];
  t.cartesLegales = t.cartesLegales && legales[place] == 1;
  PliTrace& pli = t.plis[n];
  if (g.NbCartesPli == 0) pli.entameur = j;
  pli.cartes[g.NbCartesPli + 1] = CarteTrace{j, NumeroCarte(g.PliCourant[j]), g.RegleAffichee[j]};
  CompterCartePli(g);
  if (g.NbCartesPli == 0) {
    // The trick is gathered: its winner leads, and the table is cleared for the next one.
    pli.gagnant = g.EntameurPli;
    g.PliAffiche = 0;
    for (Carte& c : g.PliCourant) c.Couleur = -1;
  }
}

// The user's result and the four running scores, as the end of a deal moves them.
void MettreAJourScores(Partie& g, int16_t score) {
  const int16_t humain = g.JoueurHumain;
  const int32_t r = g.Preneur == humain ? score : CInt(-score / 3.0);
  g.ScoreTotal[humain] += r;
  for (int16_t s = 1; s <= 4; ++s) {
    if (s == humain) continue;
    if (g.Preneur == humain) {
      g.ScoreTotal[s] -= CInt(r / 3.0);
    } else {
      g.ScoreTotal[s] += s == g.Preneur ? -3 * r : r;
    }
  }
  DetermineClassementJoueurs(g);
}

}  // namespace

void AppliquerParametres(Partie& g, const ParametresPartie& p) {
  static constexpr int16_t pourcent[5] = {0, 80, 90, 100, 100};
  g.Niveau = p.niveau;
  g.PourcentJeuReflechi = pourcent[p.niveau];
  g.ForceMain = p.forceMain;
  g.AuMoinsUnePriseActif = p.auMoinsUnePrise ? 1 : 0;
}

void JouerDonne(Partie& g, TraceDonne& t, Chronos* chronos) {
  const int32_t numero = t.donne;
  t = TraceDonne{};
  t.donne = numero;
  t.niveau = g.Niveau;

  PreparerNouvelleDonne(g, chronos);
  t.donneur = g.Donneur;
  t.ouvreur = g.PremierJoueur;
  for (int16_t s = 1; s <= 4; ++s)
    for (int16_t k = 1; k <= 18; ++k) t.mains[s][k] = NumeroCarte(g.MainsJoueurs[s][k]);
  for (int16_t k = 1; k <= 6; ++k) t.chien[k] = NumeroCarte(g.ChienMontre[k]);

  Encherir(g);
  t.encheres = g.EnchereJoueur;
  g.NumeroPli = 1;
  g.Preneur = DeterminerPreneur(g);
  if (g.EnchereJoueur[g.Preneur] == EncherePasse) {
    g.Preneur = 0;
    t.totaux = g.ScoreTotal;
    return;
  }
  t.preneur = g.Preneur;
  t.contrat = g.EnchereJoueur[g.Preneur];

  if (t.contrat <= EnchereGarde) {
    FaireEcartOrdinateur(g);
    t.aEcart = true;
    for (int16_t k = 1; k <= 6; ++k) t.ecart[k] = NumeroCarte(g.Chien[k]);
  } else {
    PreparerJeuDeLaCarte(g);
  }

  while (g.NumeroPli <= 18) JouerUneCarte(g, t, chronos);
  t.nbPlis = 18;

  int16_t score = 0;
  CalculerScoreDonne(g, score);
  MettreAJourScores(g, score);
  t.demiPointsPreneur = g.DemiPointsPreneur;
  t.demiPointsDefense = g.DemiPointsDefense;
  t.boutsPreneur = g.BoutsPreneur;
  t.boutsDefense = g.BoutsDefense;
  t.pointsAFaire = g.PointsAFaire;
  t.petitAuBout = g.PetitAuBout;
  t.score = score;
  t.totaux = g.ScoreTotal;
}

namespace {

template <class T, int Lo, int Hi>
void Liste(std::string& s, const Tab<T, Lo, Hi>& v) {
  s += '[';
  for (int i = Lo; i <= Hi; ++i) {
    if (i > Lo) s += ',';
    s += std::to_string(v[i]);
  }
  s += ']';
}

void Cle(std::string& s, const char* cle, int64_t valeur) {
  s += '"';
  s += cle;
  s += "\":";
  s += std::to_string(valeur);
  s += ',';
}

}  // namespace

std::string TraceJson(const TraceDonne& t) {
  std::string s = "{";
  Cle(s, "deal", t.donne);
  Cle(s, "level", t.niveau);
  Cle(s, "dealer", t.donneur);
  Cle(s, "opener", t.ouvreur);
  s += "\"hands\":[";
  for (int16_t p = 1; p <= 4; ++p) {
    if (p > 1) s += ',';
    Liste(s, t.mains[p]);
  }
  s += "],\"chien\":";
  Liste(s, t.chien);
  s += ",\"bids\":";
  Liste(s, t.encheres);
  s += ',';
  Cle(s, "taker", t.preneur);
  Cle(s, "contract", t.contrat);
  s += "\"discard\":";
  if (t.aEcart) {
    Liste(s, t.ecart);
  } else {
    s += "[]";
  }
  s += ",\"tricks\":[";
  for (int16_t n = 1; n <= t.nbPlis; ++n) {
    const PliTrace& pli = t.plis[n];
    if (n > 1) s += ',';
    s += "{\"leader\":" + std::to_string(pli.entameur) + ",\"cards\":[";
    for (int16_t i = 1; i <= 4; ++i) {
      const CarteTrace& c = pli.cartes[i];
      if (i > 1) s += ',';
      s += '[' + std::to_string(c.siege) + ',' + std::to_string(c.carte) + ',' + std::to_string(c.regle) + ']';
    }
    s += "],\"winner\":" + std::to_string(pli.gagnant) + '}';
  }
  s += "],";
  Cle(s, "half_taker", t.demiPointsPreneur);
  Cle(s, "half_defence", t.demiPointsDefense);
  Cle(s, "oudlers_taker", t.boutsPreneur);
  Cle(s, "oudlers_defence", t.boutsDefense);
  Cle(s, "points_to_make", t.pointsAFaire);
  Cle(s, "petit_au_bout", t.petitAuBout);
  Cle(s, "score", t.score);
  s += "\"totals\":";
  Liste(s, t.totaux);
  s += '}';
  return s;
}

void Signature::Melanger(int64_t x) {
  for (int i = 0; i < 8; ++i) {
    h_ ^= static_cast<uint64_t>(x >> (8 * i)) & 0xffu;
    h_ *= 1099511628211ull;
  }
}

void Signature::Ajouter(const TraceDonne& t) {
  Melanger(t.preneur);
  Melanger(t.contrat);
  for (int16_t n = 1; n <= t.nbPlis; ++n)
    for (const CarteTrace& c : t.plis[n].cartes) Melanger(c.siege * 100 + c.carte);
  Melanger(t.score);
  for (int32_t total : t.totaux) Melanger(total);
}

void Bilan::Ajouter(const TraceDonne& t) {
  ++donnes;
  signature.Ajouter(t);
  if (t.preneur == 0) {
    ++passees;
    return;
  }
  ++jouees[t.contrat];
  // A made contract always scores above zero (at least 25 - 10), a failed one below.
  if (t.score > 0) ++reussies[t.contrat];
}
