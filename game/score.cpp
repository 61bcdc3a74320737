#include "game/score.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "game/pli.h"

namespace {
constexpr int16_t PrimeContrat = 25;
constexpr int16_t PrimePetitAuBout = 10;

int16_t MultiplicateurContrat(int16_t contrat) {
  switch (contrat) {
    case EnchereGarde:
      return 2;
    case EnchereGardeSans:
      return 4;
    case EnchereGardeContre:
      return 6;
    default:
      return 1;  // Prise, and anything outside the four contracts
  }
}

int16_t PrimePoignee(int16_t poignee) {
  return poignee >= 1 && poignee <= 3 ? static_cast<int16_t>(10 + 10 * poignee) : 0;
}

int16_t Signe(bool plus, int16_t valeur) { return plus ? valeur : static_cast<int16_t>(-valeur); }
}  // namespace

DetailScore DetaillerScoreDonne(const Partie& g) {
  DetailScore d;
  d.PointsRealises = CInt(g.DemiPointsPreneur / 2.0);
  d.Difference = static_cast<int16_t>(d.PointsRealises - g.PointsAFaire);
  d.Reussi = d.Difference >= 0;
  d.ApresPetit = d.Difference;
  if (g.PetitAuBout == 1 || g.PetitAuBout == 2)
    d.ApresPetit = static_cast<int16_t>(d.ApresPetit + Signe(g.PetitAuBout == 1, PrimePetitAuBout));
  d.ApresPrime = static_cast<int16_t>(d.ApresPetit + Signe(d.Reussi, PrimeContrat));
  d.Multiplicateur = MultiplicateurContrat(ContratPreneur(g));
  d.ApresContrat = static_cast<int16_t>(d.ApresPrime * d.Multiplicateur);
  d.PrimePoignee = PrimePoignee(g.PoigneeAnnoncee);
  d.ApresPoignee = static_cast<int16_t>(d.ApresContrat + Signe(d.Reussi, d.PrimePoignee));
  d.Score = static_cast<int16_t>(d.ApresPoignee * 3);
  return d;
}

void CalculerScoreDonne(const Partie& g, int16_t& score) { score = DetaillerScoreDonne(g).Score; }

int16_t ScoreDonne(const Partie& g) { return DetaillerScoreDonne(g).Score; }

void AjouterAuScore(int32_t& total, int32_t points) {
  using Limites = std::numeric_limits<int32_t>;
  total = static_cast<int32_t>(
      std::clamp(static_cast<int64_t>(total) + points, int64_t{Limites::min()}, int64_t{Limites::max()}));
}

void DetermineClassementJoueurs(Partie& g) {
  for (int16_t i = 1; i <= 4; ++i) g.OrdreClassement[i] = i;
  for (int i = 1; i <= 3; ++i)
    for (int j = i + 1; j <= 4; ++j)
      if (g.ScoreTotal[g.OrdreClassement[i]] < g.ScoreTotal[g.OrdreClassement[j]])
        std::swap(g.OrdreClassement[i], g.OrdreClassement[j]);

  int16_t r = 1;
  g.Classement[g.OrdreClassement[1]] = r;
  for (int i = 1; i <= 3; ++i) {
    if (g.ScoreTotal[g.OrdreClassement[i + 1]] != g.ScoreTotal[g.OrdreClassement[i]]) ++r;
    g.Classement[g.OrdreClassement[i + 1]] = r;
  }
}
