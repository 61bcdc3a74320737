// Whole deals through the self-play driver, checked against the rules of the game as stated in
// tests/support, independently of the code that plays them.
#include "bench/driver/selfplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/cartes.h"
#include "support/regles_jeu.h"

namespace {

// The trace's JSON (numbers, lists, objects) read back: the checks read the line written.
struct Json {
  int64_t nombre = 0;
  std::vector<Json> liste;  // a list's items, or an object's values
  std::vector<std::string> cles;
  const Json& operator[](const char* cle) const {
    return liste.at(static_cast<size_t>(std::find(cles.begin(), cles.end(), cle) - cles.begin()));
  }
  const Json& operator()(int k) const { return liste.at(k - 1u); }  // a list's item k, from 1
  operator int() const { return static_cast<int>(nombre); }
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

Cartes Lues(const Json& numeros, size_t nombre) {
  EXPECT_EQ(numeros.liste.size(), nombre);
  Cartes c;
  for (const Json& n : numeros.liste) c.push_back(CarteDeNumero(static_cast<int16_t>(n)));
  return c;
}

// Checks one deal, as its trace line tells it, against the running scores before it.
void VerifierDonne(const Json& t, const Tab1<int32_t, 4>& avant) {
  SCOPED_TRACE("deal " + std::to_string(t["deal"]) + " level " + std::to_string(t["level"]));
  // Bids only rise, and the taker holds the first highest bid from the opener (0: all passed).
  int meilleure = 0, preneur = 0;
  for (int i = 0; i < 4; ++i) {
    const int s = (t["opener"] + i - 1) % 4 + 1;
    if (t["bids"](s) == 0) continue;
    EXPECT_GT(t["bids"](s), meilleure) << "seat " << s;
    meilleure = t["bids"](s);
    preneur = s;
  }
  ASSERT_EQ(t["taker"], preneur);
  // Whoever takes, the taker gains his score and each other seat loses a third of it: the
  // running scores keep summing to zero.
  for (int s = 1; s <= 4; ++s) EXPECT_EQ(t["totals"](s) - avant[s], s == preneur ? t["score"] : -t["score"] / 3) << s;
  const Json& plis = t["tricks"];
  EXPECT_EQ(plis.liste.empty(), preneur == 0);
  if (preneur == 0) return;
  const int contrat = t["contract"];
  EXPECT_EQ(contrat, meilleure);
  ASSERT_EQ(t["discard"].liste.empty(), contrat > EnchereGarde);

  Tab1<Cartes, 4> mains;
  for (int s = 1; s <= 4; ++s) mains[s] = Lues(t["hands"](s), 18);
  if (contrat <= EnchereGarde) {
    for (const Carte& c : Lues(t["chien"], 6)) mains[preneur].push_back(c);
    for (const Carte& c : Lues(t["discard"], 6)) {
      EXPECT_TRUE(regles::Ecartable(c)) << "discarded " << Nom(c);
      ASSERT_EQ(std::erase(mains[preneur], c), 1u) << Nom(c);
    }
  }

  ASSERT_EQ(plis.liste.size(), 18u);
  int entameur = t["opener"];
  for (int n = 1; n <= 18; ++n) {
    const Json& pli = plis(n);
    EXPECT_EQ(pli["leader"], entameur) << "trick " << n;
    Cartes posees;
    for (int i = 1; i <= 4; ++i) {
      const Json& ct = pli["cards"](i);
      ASSERT_EQ(ct.liste.size(), 3u);
      const int siege = ct(1);
      const Carte c = CarteDeNumero(static_cast<int16_t>(ct(2)));
      EXPECT_EQ(siege, (entameur + i - 2) % 4 + 1);
      SCOPED_TRACE("trick " + std::to_string(n) + " seat " + std::to_string(siege) + " card " + Nom(c));
      EXPECT_TRUE(regles::Juger(mains[siege], posees, c).legal);
      ASSERT_EQ(std::erase(mains[siege], c), 1u);
      posees.push_back(c);
      // A reasoned player keeps the Petit back when leading, and never keeps the Excuse to
      // the last trick, where it would change camp.
      if (t["level"] >= NiveauBon) {
        EXPECT_FALSE(c.EstPetit() && i == 1 && n < 18) << "the Petit led before the last trick";
        EXPECT_FALSE(c.EstExcuse() && n == 18) << "the Excuse in the last trick";
      }
    }
    EXPECT_EQ(pli["winner"], pli["cards"](static_cast<int>(regles::Gagnant(posees)) + 1)(1)) << "trick " << n;
    entameur = pli["winner"];
  }

  EXPECT_EQ(t["half_taker"] + t["half_defence"], 182);
  EXPECT_EQ(t["oudlers_taker"] + t["oudlers_defence"], 3);
  EXPECT_EQ(t["points_to_make"], regles::PointsAFaire(t["oudlers_taker"]));
  EXPECT_EQ(t["score"], regles::Score(t["half_taker"], t["oudlers_taker"], t["petit_au_bout"], contrat, t["handful"]));
}

TEST(Selfplay, FifteenHundredDealsAtEachLevelKeepTheRules) {
  for (int16_t niveau = 1; niveau <= 4; ++niveau) {
    const ParametresPartie p{.niveau = niveau, .poignees = niveau % 2 == 0};  // handfuls at two of the levels
    Table table(static_cast<uint64_t>(100 + niveau), p);
    TraceDonne t;
    int32_t passees = 0;
    Tab1<int32_t, 4> reglesVues{};
    for (int32_t n = 1; n <= 1500 && !HasFailure(); ++n) {
      t.donne = n;
      const Tab1<int32_t, 4> avant = table.g().ScoreTotal;
      JouerDonne(table, t);
      // The trace line, read back, is what is checked: it must describe the deal played.
      size_t i = 0;
      const Json lu = Lire(TraceJson(t), i);
      VerifierDonne(lu, avant);
      EXPECT_EQ(lu["deal"], n);
      EXPECT_EQ(lu["level"], niveau) << n;
      EXPECT_EQ(std::ranges::count(table.g().ReglesActives, 2), 0);
      // The opener moves on by one at every deal, passed ones too; the dealer sits before it.
      EXPECT_EQ(lu["opener"], (3 + n - 1) % 4 + 1);
      EXPECT_EQ(lu["dealer"], JoueurPrecedent(static_cast<int16_t>(lu["opener"])));
      passees += lu["taker"] == 0;
      for (const Json& pli : lu["tricks"].liste)
        for (int k = 1; k <= 4; ++k) reglesVues[pli["cards"](k)(1)] += pli["cards"](k)(3) != 0;
    }
    // Both outcomes of the auction happen, and the rules do pick cards for every seat.
    EXPECT_GT(passees, 0);
    EXPECT_LT(passees, 1500);
    for (int32_t vues : reglesVues) EXPECT_GT(vues, 0);
    // What the fake timers record stays small however many deals are played (1,500 deals arm
    // the card timer some 60,000 times).
    for (const MinuterieFactice* minuterie : table.plateforme.minuteries) EXPECT_LT(minuterie->armements.size(), 5000u);
  }
}

// Seat 1 dealt so many suit-0 cards (the Excuse, trump 21 down, small spades; small hearts in the
// chien) declares the largest handful they allow when it declares any: none below 10, a simple
// from 10, a double from 13, a triple from 15, worth 20, 30, 40 to the camp that won, times 3.
TEST(Selfplay, EachHandfulSeatOneHoldsIsDeclaredAndScored) {
  struct Poignee {
    int16_t atouts;
    bool annonce;
    int16_t code, prime;
  };
  const Poignee poignees[] = {
      {9, true, 0, 0}, {10, true, 1, 20}, {13, true, 2, 30}, {15, true, 3, 40}, {15, false, 0, 0}};
  for (const Poignee& p : poignees) {
    SCOPED_TRACE(std::to_string(p.atouts) + " suit-0 cards, declaring " + std::to_string(p.annonce));
    Cartes main{Exc()};
    for (int16_t k = 1; k < 18; ++k) main.push_back(k < p.atouts ? At(22 - k) : Pi(k - p.atouts + 1));
    Table table(5, {.poignees = p.annonce});
    table.g().JeuSauve = JeuQuiDonne(Composer({{1, main}}, {Co(1), Co(2), Co(3), Co(4), Co(5), Co(6)}));
    table.m.PanelRejouerDonne_Click();
    table.donnePrete = true;
    TraceDonne t;
    JouerDonne(table, t);
    ASSERT_EQ(t.nbPlis, 18);
    EXPECT_EQ(t.poignee, p.code);
    const int sans = regles::Score(t.demiPointsPreneur, t.boutsPreneur, t.petitAuBout, t.contrat, 0);
    EXPECT_EQ(t.score - sans, (sans > 0 ? 3 : -3) * p.prime) << "score " << t.score;
  }
}

// A fixed-seed run gives a fixed signature, the same at every run: any change in how the deals
// are played shows here and must be a deliberate one (then the number below is updated with it).
TEST(Selfplay, PinnedSignatureOfAShortRun) {
  for (int fois = 0; fois < 2; ++fois) {
    Table table(1);
    Bilan b;
    TraceDonne t;
    for (t.donne = 1; t.donne <= 50; ++t.donne) {
      JouerDonne(table, t);
      b.Ajouter(t);
    }
    EXPECT_EQ(b.signature.Valeur(), 0xdd879830b7d9f678ull);
  }
}

}  // namespace
