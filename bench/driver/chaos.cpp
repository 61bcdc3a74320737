#include "bench/driver/chaos.h"

#include <array>

namespace {

struct Evenement1 {
  ModeleFenetre* fenetre = nullptr;
  int id = -1;
  Evenement genre = Evenement::Clic;
  enum Sorte { Controle, Fond, Menu, Tic, Rejouer } sorte = Controle;
  MinuterieFactice* minuterie = nullptr;
};

// Every event the window system could deliver now.
void EvenementsPossibles(Table& t, std::vector<Evenement1>& possibles) {
  possibles.clear();
  // Quitting ends the run: it is left out.
  auto controles = [&](ModeleFenetre& f) {
    for (int id = 0; id < static_cast<int>(f.Controles().size()); ++id) {
      if (!f.Atteignable(id) || f[id].nom == "PanelQuit") continue;
      for (Evenement e : {Evenement::Clic, Evenement::Bas, Evenement::Haut})
        if (f.AUnGestionnaire(id, e)) possibles.push_back({&f, id, e, Evenement1::Controle, nullptr});
    }
  };
  Mirvane& m = t.m;
  if (FormPoignee* p = m.Poignee()) controles(*p);
  if (m.actif) {
    controles(m);
    possibles.push_back({&m, -1, Evenement::Clic, Evenement1::Fond, nullptr});
    for (int id = 0; id < static_cast<int>(m.Menus().size()); ++id)
      if (m.Menus()[id].parent >= 0 && m.Menus()[id].disponible && m.Menus()[id].nom != "quitter")
        possibles.push_back({&m, id, Evenement::Clic, Evenement1::Menu, nullptr});
    // A replay needs a deal to replay.
    if (m.DonnesPreparees > 0) possibles.push_back({&m, -1, Evenement::Clic, Evenement1::Rejouer, nullptr});
  }
  for (MinuterieFactice* minuterie : t.plateforme.minuteries)
    if (minuterie->Active()) possibles.push_back({nullptr, -1, Evenement::Clic, Evenement1::Tic, minuterie});
}

void Envoyer(Table& t, const Evenement1& e) {
  switch (e.sorte) {
    case Evenement1::Controle:
      e.fenetre->Envoyer(e.id, e.genre);
      break;
    case Evenement1::Fond:
      t.m.Form_Click();
      break;
    case Evenement1::Menu:
      t.m.ChoisirMenu(e.id);
      break;
    case Evenement1::Tic:
      e.minuterie->Tirer();
      break;
    case Evenement1::Rejouer:
      t.m.PanelRejouerDonne_Click();
      break;
  }
}

// The state of the deal in a few numbers, for a report.
std::string Etat(Table& t) {
  const Partie& g = t.g();
  return "trick " + std::to_string(g.NumeroPli) + ", cards " + std::to_string(g.NbCartesPli) + ", click " +
         std::to_string(g.AttenteClic) + ", discard " + std::to_string(g.EcartHumainEnCours) + ", user's turn " +
         std::to_string(g.AttenteJeuHumain) + ", handful offer " + std::to_string(g.OffrePoigneeEnCours) + ", deals " +
         std::to_string(t.m.DonnesPreparees);
}

int64_t SommeScores(const Partie& g) {
  int64_t s = 0;
  for (int32_t x : g.ScoreTotal) s += x;
  return s;
}

}  // namespace

void VerifierInvariants(Table& t, std::vector<std::string>& echecs) {
  Mirvane& m = t.m;
  Partie& g = m.g;
  int armees = 0;
  for (const MinuterieFactice* minuterie : t.plateforme.minuteries) armees += minuterie->Active() ? 1 : 0;
  if (armees > 1) echecs.push_back("more than one timer armed");

  if (m.DonnesPreparees == 0) return;
  std::array<int, 79> vues{};
  int jouees = 0;
  for (int16_t s = 1; s <= 4; ++s)
    for (const Carte& c : g.MainsJoueurs[s]) {
      ++vues[static_cast<size_t>(NumeroCarte(c))];
      jouees += c.EnMain == 0 ? 1 : 0;
    }
  for (const Carte& c : g.Chien) ++vues[static_cast<size_t>(NumeroCarte(c))];
  for (int n = 1; n <= 78; ++n)
    if (vues[static_cast<size_t>(n)] != 1) {
      echecs.push_back("card " + std::to_string(n) + " held " + std::to_string(vues[static_cast<size_t>(n)]) +
                       " times");
      break;
    }

  // Cards played against the trick count: a card played twice, or a card counted and never
  // laid, breaks it.
  int attendues = 0;
  if (g.NumeroPli >= 1 && g.NumeroPli <= 18) attendues = (g.NumeroPli - 1) * 4 + g.NbCartesPli;
  if (g.NumeroPli == 19) attendues = 72;
  if (jouees != attendues)
    echecs.push_back("trick " + std::to_string(g.NumeroPli) + ": " + std::to_string(jouees) + " cards played, " +
                     std::to_string(attendues) + " counted");
  for (int16_t s = 1; s <= 4; ++s) {
    const Carte& c = g.PliCourant[s];
    if (c.Couleur == -1) continue;
    bool trouvee = false;
    for (const Carte& h : g.MainsJoueurs[s])
      trouvee = trouvee || (h.Valeur == c.Valeur && h.Couleur == c.Couleur && h.EnMain == 0);
    if (!trouvee) echecs.push_back("seat " + std::to_string(s) + " has on the table a card it did not play");
  }
  // During the auction nothing of a deal's play shows.
  if (g.NumeroPli == 0) {
    if (t.plateforme.minuteries[1]->Active() || t.plateforme.minuteries[2]->Active())
      echecs.push_back("a play timer armed during the auction");
    if (m.C(m.Id().PanelResultat).visible) echecs.push_back("the result shown during the auction");
  }
}

BilanChaos CourirChaos(int64_t n, uint64_t graine, const ParametresPartie& p) {
  BilanChaos bilan;
  Table t(graine, p);
  Aleatoire hasard(graine ^ 0x5eedc4a05ull);
  std::vector<Evenement1> possibles;
  std::vector<std::string> echecs;
  const int64_t somme = SommeScores(t.g());
  int32_t donneComptee = -1;

  auto verifier = [&] {
    echecs.clear();
    VerifierInvariants(t, echecs);
    if (SommeScores(t.g()) != somme) echecs.push_back("the running scores no longer sum to the same");
    if (t.g().NumeroPli == 19 && donneComptee != t.m.DonnesPreparees) {
      donneComptee = t.m.DonnesPreparees;
      ++bilan.donnesFinies;
      if (t.g().DemiPointsPreneur + t.g().DemiPointsDefense != 182) echecs.push_back("a deal without 182 half points");
      if (t.g().BoutsPreneur + t.g().BoutsDefense != 3) echecs.push_back("a deal without 3 oudlers");
    }
    for (const std::string& e : echecs) {
      ++bilan.echecs;
      if (bilan.premiersEchecs.size() < 20)
        bilan.premiersEchecs.push_back("event " + std::to_string(bilan.evenements) + ": " + e);
    }
  };

  while (bilan.evenements < n) {
    if (bilan.evenements > 0 && bilan.evenements % 1000 == 0) {
      // Sensible play from here: the deal in progress must come to its end.
      int pas = 0;
      while (bilan.evenements < n && AgirSensement(t)) {
        ++bilan.evenements;
        verifier();
        if (++pas > 500) {
          ++bilan.echecs;
          if (bilan.premiersEchecs.size() < 20)
            bilan.premiersEchecs.push_back("event " + std::to_string(bilan.evenements) +
                                           ": sensible play did not end the deal within 500 events (" + Etat(t) + ")");
          break;
        }
      }
      if (bilan.evenements >= n) break;
    }
    EvenementsPossibles(t, possibles);
    if (possibles.empty()) break;
    // Message boxes answer at random.
    t.plateforme.reponses.assign(1, hasard.Rnd() < 0.5 ? ReponseMessage::Oui : ReponseMessage::Non);
    const size_t k = static_cast<size_t>(hasard.Rnd() * static_cast<double>(possibles.size()));
    Envoyer(t, possibles[k]);
    ++bilan.evenements;
    verifier();
  }
  return bilan;
}
