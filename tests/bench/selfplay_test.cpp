// Whole deals through the self-play driver, checked against the rules of the game as stated in
// tests/support, independently of the code that plays them.
#include "bench/driver/selfplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/cartes.h"
#include "support/regles_jeu.h"

namespace {

// A reader of the trace's JSON (numbers, lists, objects), to read a line back.
struct Json {
  int64_t nombre = 0;
  std::vector<Json> liste;  // a list's items, or an object's values
  std::vector<std::string> cles;
  const Json& operator[](const std::string& cle) const {
    const auto it = std::find(cles.begin(), cles.end(), cle);
    if (it == cles.end()) throw std::runtime_error("missing key " + cle);
    return liste[static_cast<size_t>(it - cles.begin())];
  }
};

Json Lire(const std::string& texte, size_t& i) {
  Json v;
  const char debut = texte.at(i);
  if (debut != '[' && debut != '{') {
    size_t fin = 0;
    v.nombre = std::stoll(texte.substr(i), &fin);
    i += fin;
    return v;
  }
  for (++i; texte.at(i) != (debut == '{' ? '}' : ']'); i += texte.at(i) == ',') {
    if (debut == '{') {
      const size_t bout = texte.find('"', i + 1);
      v.cles.push_back(texte.substr(i + 1, bout - i - 1));
      i = bout + 2;  // past '":'
    }
    v.liste.push_back(Lire(texte, i));
  }
  ++i;
  return v;
}

template <class T, int Lo, int Hi>
void Remplir(Tab<T, Lo, Hi>& t, const Json& v) {
  if (v.liste.size() != static_cast<size_t>(Hi - Lo + 1)) throw std::runtime_error("list of the wrong length");
  for (int k = Lo; k <= Hi; ++k) t[k] = static_cast<T>(v.liste[static_cast<size_t>(k - Lo)].nombre);
}

// A trace line read back into the record of a deal.
TraceDonne Relire(const std::string& ligne) {
  size_t i = 0;
  const Json j = Lire(ligne, i);
  TraceDonne t;
  t.donne = static_cast<int32_t>(j["deal"].nombre);
  for (auto [cle, champ] : {std::pair{"level", &t.niveau}, {"dealer", &t.donneur}, {"opener", &t.ouvreur},
                            {"taker", &t.preneur}, {"contract", &t.contrat}, {"half_taker", &t.demiPointsPreneur},
                            {"half_defence", &t.demiPointsDefense}, {"oudlers_taker", &t.boutsPreneur},
                            {"oudlers_defence", &t.boutsDefense}, {"points_to_make", &t.pointsAFaire},
                            {"petit_au_bout", &t.petitAuBout}, {"handful", &t.poignee}, {"score", &t.score}})
    *champ = static_cast<int16_t>(j[cle].nombre);
  for (int16_t s = 1; s <= 4; ++s) Remplir(t.mains[s], j["hands"].liste.at(s - 1u));
  Remplir(t.chien, j["chien"]);
  Remplir(t.encheres, j["bids"]);
  t.aEcart = !j["discard"].liste.empty();
  if (t.aEcart) Remplir(t.ecart, j["discard"]);
  t.nbPlis = static_cast<int16_t>(j["tricks"].liste.size());
  for (int16_t n = 1; n <= t.nbPlis; ++n) {
    const Json& pli = j["tricks"].liste[n - 1u];
    t.plis[n].entameur = static_cast<int16_t>(pli["leader"].nombre);
    t.plis[n].gagnant = static_cast<int16_t>(pli["winner"].nombre);
    for (int16_t k = 1; k <= 4; ++k) {
      const Json& c = pli["cards"].liste.at(k - 1u);
      if (c.liste.size() != 3) throw std::runtime_error("a card of the wrong length");
      t.plis[n].cartes[k] = {static_cast<int16_t>(c.liste[0].nombre), static_cast<int16_t>(c.liste[1].nombre),
                             static_cast<int16_t>(c.liste[2].nombre)};
    }
  }
  Remplir(t.totaux, j["totals"]);
  return t;
}

// Checks one deal against its record and the running scores before it.
void VerifierDonne(const TraceDonne& t, const Tab1<int32_t, 4>& avant) {
  SCOPED_TRACE("deal " + std::to_string(t.donne) + " level " + std::to_string(t.niveau));
  // Bids only rise, and the taker holds the first highest bid from the opener (0: all passed).
  int16_t meilleure = 0, preneur = 0;
  for (int16_t i = 0, s = t.ouvreur; i < 4; ++i, s = Suivant(s)) {
    EXPECT_TRUE(t.encheres[s] == 0 || t.encheres[s] > meilleure);
    if (t.encheres[s] > meilleure) meilleure = t.encheres[s], preneur = s;
  }
  ASSERT_EQ(t.preneur, preneur);
  // Whoever takes, the taker gains his score and each other seat loses a third of it: the
  // running scores keep summing to zero.
  for (int16_t s = 1; s <= 4; ++s) EXPECT_EQ(t.totaux[s] - avant[s], s == t.preneur ? t.score : -t.score / 3) << s;
  if (t.preneur == 0) {
    EXPECT_EQ(t.nbPlis, 0);
    return;
  }
  EXPECT_EQ(t.contrat, meilleure);
  ASSERT_EQ(t.aEcart, t.contrat <= EnchereGarde);

  Tab1<Cartes, 4> mains;
  for (int16_t s = 1; s <= 4; ++s)
    for (int16_t n : t.mains[s]) mains[s].push_back(CarteDeNumero(n));
  if (t.aEcart) {
    Cartes& m = mains[t.preneur];
    for (int16_t n : t.chien) m.push_back(CarteDeNumero(n));
    for (int16_t n : t.ecart) {
      const Carte c = CarteDeNumero(n);
      EXPECT_TRUE(c.EstCouleur() && c.Valeur < 14) << "discarded " << n;
      const auto it = std::find(m.begin(), m.end(), c);
      ASSERT_NE(it, m.end());
      m.erase(it);
    }
  }

  ASSERT_EQ(t.nbPlis, 18);
  int16_t entameur = t.ouvreur;
  for (int16_t n = 1; n <= 18; ++n) {
    const PliTrace& pli = t.plis[n];
    EXPECT_EQ(pli.entameur, entameur) << "trick " << n;
    Cartes posees;
    for (int16_t i = 1; i <= 4; ++i) {
      const CarteTrace& ct = pli.cartes[i];
      const Carte c = CarteDeNumero(ct.carte);
      EXPECT_EQ(ct.siege, (entameur + i - 2) % 4 + 1);
      Cartes& m = mains[ct.siege];
      const auto it = std::find(m.begin(), m.end(), c);
      ASSERT_NE(it, m.end()) << "trick " << n << " seat " << ct.siege << " card " << ct.carte;
      EXPECT_TRUE(regles::Juger(m, posees, c).legal) << "trick " << n << " seat " << ct.siege << " card " << ct.carte;
      m.erase(it);
      posees.push_back(c);
      // A reasoned player keeps the Petit back when leading, and never keeps the Excuse to
      // the last trick, where it would change camp.
      EXPECT_FALSE(t.niveau >= NiveauBon && ((c.EstPetit() && i == 1 && n < 18) || (c.EstExcuse() && n == 18))) << n;
    }
    EXPECT_EQ(pli.gagnant, pli.cartes[static_cast<int>(regles::Gagnant(posees)) + 1].siege) << "trick " << n;
    entameur = pli.gagnant;
  }

  EXPECT_EQ(t.demiPointsPreneur + t.demiPointsDefense, 182);
  EXPECT_EQ(t.boutsPreneur + t.boutsDefense, 3);
  EXPECT_EQ(t.pointsAFaire, regles::PointsAFaire(t.boutsPreneur));
  EXPECT_EQ(t.score, regles::Score(t.demiPointsPreneur, t.boutsPreneur, t.petitAuBout, t.contrat, t.poignee));
}

TEST(Selfplay, FifteenHundredDealsAtEachLevelKeepTheRules) {
  for (int16_t niveau = 1; niveau <= 4; ++niveau) {
    ParametresPartie p;
    p.niveau = niveau;
    // Seat 1 declares its handfuls at two of the levels.
    p.poignees = niveau % 2 == 0;
    Table table(static_cast<uint64_t>(100 + niveau), p);
    Partie& g = table.g();
    TraceDonne t;
    int32_t passees = 0, poignees = 0;
    Tab1<int32_t, 4> reglesVues{};
    for (int32_t n = 1; n <= 1500 && !HasFailure(); ++n) {
      t.donne = n;
      const Tab1<int32_t, 4> avant = g.ScoreTotal;
      JouerDonne(table, t);
      // The trace line, read back, is what is checked: it must describe the deal played.
      const TraceDonne lu = Relire(TraceJson(t));
      VerifierDonne(lu, avant);
      EXPECT_EQ(lu.donne, n);
      EXPECT_EQ(lu.niveau, niveau);
      poignees += lu.poignee != 0;
      // Seat 1 declares the largest handful its suit-0 cards allow, or none.
      int16_t atouts = 0;
      for (int16_t c : lu.mains[1]) atouts += c >= 57;
      // (A taker's hand at play also holds the chien's trumps: those deals are left out.)
      if (lu.nbPlis == 18 && !(lu.aEcart && lu.preneur == 1)) {
        const int16_t attendue = !p.poignees ? 0 : atouts >= 15 ? 3 : atouts >= 13 ? 2 : atouts >= 10 ? 1 : 0;
        EXPECT_EQ(lu.poignee, attendue) << n;
      }
      EXPECT_EQ(std::count(g.ReglesActives.begin(), g.ReglesActives.end(), 2), 0);
      // The opening seat moves on by one at every deal, passed deals included; the dealer
      // sits before it.
      EXPECT_EQ(lu.ouvreur, (3 + n - 1) % 4 + 1);
      EXPECT_EQ(lu.donneur, Precedent(lu.ouvreur));
      passees += lu.preneur == 0;
      for (int16_t k = 1; k <= lu.nbPlis; ++k)
        for (const CarteTrace& c : lu.plis[k].cartes) reglesVues[c.siege] += c.regle != 0;
    }
    // Both outcomes of the auction happen, and the rules do pick cards for every seat.
    EXPECT_GT(passees, 0);
    EXPECT_LT(passees, 1500);
    EXPECT_EQ(poignees > 0, p.poignees);
    for (int32_t vues : reglesVues) EXPECT_GT(vues, 0);
    // What the fake timers record stays small however many deals are played (1,500 deals arm
    // the card timer some 60,000 times).
    for (const MinuterieFactice* minuterie : table.plateforme.minuteries)
      EXPECT_LT(minuterie->armements.size(), 5000u);
  }
}

// A fixed-seed run gives a fixed signature, the same at every run: any change in how the deals
// are played shows here and must be a deliberate one (then the number below is updated with it).
TEST(Selfplay, PinnedSignatureOfAShortRun) {
  for (int fois = 0; fois < 2; ++fois) {
    Table table(1);
    Bilan b;
    TraceDonne t;
    for (int32_t n = 1; n <= 50; ++n) {
      t.donne = n;
      JouerDonne(table, t);
      b.Ajouter(t);
    }
    EXPECT_EQ(b.signature.Valeur(), 0xdd879830b7d9f678ull);
  }
}

}  // namespace
