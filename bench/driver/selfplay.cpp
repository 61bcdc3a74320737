#include "bench/driver/selfplay.h"

#include <algorithm>
#include <memory>

#include "computer/choix.h"
#include "computer/ecart.h"
#include "computer/evaluation.h"
#include "computer/suivi.h"
#include "game/distribution.h"
#include "game/pli.h"
#include "game/score.h"
#include "table/chronometre.h"

namespace {

void Cliquer(Mirvane& m, int id) { m.Envoyer(id, Evenement::Clic); }

// Seat 1's discard: the six cards the computer discard would lay, chosen on a copy of the game.
Tab1<Carte, 6> EcartVoulu(const Partie& g) {
  auto copie = std::make_unique<Partie>(g);
  copie->ecran = &AffichageMuet();
  FaireEcartOrdinateur(*copie);
  return copie->Chien;
}

bool DansEcart(const Tab1<Carte, 6>& ecart, const Carte& c) {
  for (const Carte& e : ecart)
    if (e.Valeur == c.Valeur && e.Couleur == c.Couleur) return true;
  return false;
}

// One click of the discard: put back a card chosen by mistake, else choose the next wanted one,
// else confirm.
void Ecarter(Table& t) {
  Mirvane& m = t.m;
  Partie& g = m.g;
  if (t.ecartDeLaDonne != m.DonnesPreparees) {
    t.ecartVoulu = EcartVoulu(g);
    t.ecartDeLaDonne = m.DonnesPreparees;
  }
  const Tab1<Carte, 6>& voulu = t.ecartVoulu;
  for (const bool reprendre : {true, false})
    for (int16_t k = 1; k <= 24; ++k) {
      const int16_t s = m.IndexCarteEcart[k];
      const bool chien = s > 18;
      const Carte& c = chien ? g.Chien[s - 18] : g.MainsJoueurs[g.JoueurHumain][s];
      const bool choisi = (chien ? m.ChoixEcartChien[s - 18] : m.ChoixEcartMain[s]) == 1;
      if (choisi == reprendre && DansEcart(voulu, c) != reprendre) {
        Cliquer(m, m.Id().Carte3d[k]);
        return;
      }
    }
  Cliquer(m, m.Id().PanelConfirmeEcart);
}

}  // namespace

Table::Table(uint64_t graine, const ParametresPartie& p) : m(plateforme, Aleatoire(graine)), parametres(p) {
  m.Form_Load();
  AppliquerParametres(m.g, p);
}

void AppliquerParametres(Partie& g, const ParametresPartie& p) {
  AppliquerNiveau(g, p.niveau);
  g.ForceMain = p.forceMain;
  g.AuMoinsUnePriseActif = p.auMoinsUnePrise ? 1 : 0;
}

bool AgirSensement(Table& t) {
  Mirvane& m = t.m;
  Partie& g = m.g;
  const Mirvane::Ids& id = m.Id();
  if (FormPoignee* f = m.Poignee()) {
    if (t.parametres.poignees) {
      if (!(*f)[f->PanelOKPoignee()].visible) f->Envoyer(f->PanelBoutonParesseux(), Evenement::Clic);
      f->Envoyer(f->PanelOKPoignee(), Evenement::Clic);
    } else {
      f->Envoyer(f->PanelAnnulerPoignee(), Evenement::Clic);
    }
    return true;
  }
  for (MinuterieFactice* minuterie : t.plateforme.minuteries)
    if (minuterie->Tirer()) return true;
  if (m.C(id.PanelEnchere).visible) {
    // The advice panel makes the advised bid; hidden by the options, its button does.
    const int boutons[] = {id.ButtonPasse, id.ButtonPrise, id.ButtonGarde, id.ButtonGardeSans, id.ButtonGardeContre};
    const int16_t conseil = g.EnchereJoueur[g.JoueurHumain];
    Cliquer(m, m.Atteignable(id.EvMaMain) || conseil < 0 || conseil > 4 ? id.EvMaMain : boutons[conseil]);
    return true;
  }
  if (g.EcartHumainEnCours == 1 && g.AttenteClic != 1) {
    Ecarter(t);
    return true;
  }
  if (g.AttenteJeuHumain == 1 && g.OffrePoigneeEnCours == 1 && m.C(id.PanelPoignee).visible) {
    int choix = id.PanelPoigneeAucune;
    if (t.parametres.poignees) {
      choix = id.PanelPoigneeSimple;
      if (m.C(id.PanelPoigneeDouble).visible) choix = id.PanelPoigneeDouble;
      if (m.C(id.PanelPoigneeTriple).visible) choix = id.PanelPoigneeTriple;
    }
    Cliquer(m, choix);
    return true;
  }
  if (g.AttenteJeuHumain == 1 && g.AttenteClic == 0 && g.JoueurCourant == g.JoueurHumain) {
    // The same choice as a computer seat; the legal row is kept for the click's checks.
    const Tab1<int16_t, 18> legales = g.CarteJouable[g.JoueurHumain];
    const int16_t place = ChoisirPlaceOrdinateur(g, g.JoueurHumain);
    g.CarteJouable[g.JoueurHumain] = legales;
    Cliquer(m, id.Carte3d[place]);
    return true;
  }
  if (g.AttenteClic == 1 || g.AttenteClic == 2) {
    m.Form_Click();
    return true;
  }
  return false;
}

void JouerDonne(Table& table, TraceDonne& t, Chronos* chronos) {
  Mirvane& m = table.m;
  Partie& g = m.g;
  const int32_t numero = t.donne;
  t = TraceDonne{};
  t.donne = numero;
  t.niveau = g.Niveau;
  m.chronos = chronos;

  if (!table.donnePrete) m.ChoisirMenu(m.Id().nouveau);
  table.donnePrete = false;
  t.donneur = g.Donneur;
  t.ouvreur = g.PremierJoueur;
  for (int16_t s = 1; s <= 4; ++s)
    for (int16_t k = 1; k <= 18; ++k) t.mains[s][k] = NumeroCarte(g.MainsJoueurs[s][k]);
  for (int16_t k = 1; k <= 6; ++k) t.chien[k] = NumeroCarte(g.ChienMontre[k]);

  // The auction, up to the click that ends it.
  while (!(g.NumeroPli == 0 && g.NbEncheres == 4 && g.AttenteClic == 1)) AgirSensement(table);
  t.encheres = g.EnchereJoueur;
  int16_t meilleur = 0;
  for (int16_t s = 1; s <= 4; ++s) meilleur = std::max(meilleur, g.EnchereJoueur[s]);
  if (meilleur == ::EncherePasse) {
    // The click deals again at once: that deal is the next one.
    m.Form_Click();
    table.donnePrete = true;
    t.totaux = g.ScoreTotal;
    m.chronos = nullptr;
    return;
  }

  int16_t vues = 0;
  // Up to the deal closed: the click after the last trick and the card timer's last tick.
  auto minuterieArmee = [&] {
    for (const MinuterieFactice* minuterie : table.plateforme.minuteries)
      if (minuterie->Active()) return true;
    return false;
  };
  while (g.NumeroPli < 19 || g.AttenteClic != 0 || minuterieArmee()) {
    const bool choixHumain = g.AttenteJeuHumain == 1 && g.OffrePoigneeEnCours == 0 && g.AttenteClic == 0 &&
                             !m.Poignee() && g.JoueurCourant == g.JoueurHumain;
    Chronometrer(chronos && choixHumain ? &chronos->secondesChoix : nullptr, [&] { AgirSensement(table); });
    if (chronos && choixHumain) ++chronos->cartes;
    if (g.NumeroPli < 1) continue;
    const int16_t jouees = static_cast<int16_t>((g.NumeroPli - 1) * 4 + g.NbCartesPli);
    if (jouees == vues) continue;
    vues = jouees;
    const int16_t n = static_cast<int16_t>((jouees - 1) / 4 + 1);
    const int16_t i = static_cast<int16_t>((jouees - 1) % 4 + 1);
    const int16_t siege = static_cast<int16_t>((g.EntameurParPli[n] + i - 2) % 4 + 1);
    const int16_t place = g.CarteJoueeParPli[siege][n];
    PliTrace& pli = t.plis[n];
    if (i == 1) pli.entameur = siege;
    pli.cartes[i] = CarteTrace{siege, NumeroCarte(g.MainsJoueurs[siege][place]), g.RegleAffichee[siege]};
    t.cartesLegales = t.cartesLegales && g.CarteJouable[siege][place] == 1;
    if (i == 4) pli.gagnant = g.EntameurPli;
  }
  t.preneur = g.Preneur;
  t.contrat = g.EnchereJoueur[g.Preneur];
  t.aEcart = t.contrat <= EnchereGarde;
  if (t.aEcart)
    for (int16_t k = 1; k <= 6; ++k) t.ecart[k] = NumeroCarte(g.Chien[k]);
  t.nbPlis = 18;
  t.poignee = g.PoigneeAnnoncee;
  t.demiPointsPreneur = g.DemiPointsPreneur;
  t.demiPointsDefense = g.DemiPointsDefense;
  t.boutsPreneur = g.BoutsPreneur;
  t.boutsDefense = g.BoutsDefense;
  t.pointsAFaire = g.PointsAFaire;
  t.petitAuBout = g.PetitAuBout;
  t.score = ScoreDonne(g);
  t.totaux = g.ScoreTotal;
  m.chronos = nullptr;
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
  Cle(s, "handful", t.poignee);
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
