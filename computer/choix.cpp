#include "computer/choix.h"

#include <string>

#include "computer/regles.h"
#include "computer/suivi.h"
#include "game/pli.h"

namespace {

// The candidate that `mieux` prefers, the first place winning among equals.
template <class Test, class Mieux>
int16_t MeilleurCandidat(const Partie& g, int16_t joueur, Test test, Mieux mieux) {
  int16_t place = -1;
  for (int16_t k = 1; k <= 18; ++k) {
    const Carte& c = g.MainsJoueurs[joueur][k];
    if (!EstCandidat(g, joueur, k) || !test(c)) continue;
    if (place == -1 || mieux(c, g.MainsJoueurs[joueur][place])) place = k;
  }
  return place;
}
bool PlusHaute(const Carte& a, const Carte& b) { return a.Valeur > b.Valeur; }
bool PlusBasse(const Carte& a, const Carte& b) { return a.Valeur < b.Valeur; }

// Clears the candidates that `aExclure` names, provided the seat keeps another one.
template <class Test>
void ExclureSiAutreChoix(Partie& g, int16_t joueur, Test aExclure) {
  auto& ligne = g.CarteJouable[joueur];
  if (PremierCandidat(g, joueur, [&](const Carte& c) { return !aExclure(c); }) == -1) return;
  for (int16_t k = 1; k <= 18; ++k)
    if (ligne[k] == 1 && aExclure(g.MainsJoueurs[joueur][k])) ligne[k] = 0;
}

int16_t NombreCandidats(const Partie& g, int16_t joueur, int16_t couleur) {
  int16_t n = 0;
  for (int16_t k = 1; k <= 18; ++k)
    if (EstCandidat(g, joueur, k) && g.MainsJoueurs[joueur][k].Couleur == couleur) ++n;
  return n;
}

// The cascade in its order: number, rule, the levels that switch it off, and whether the
// cascade calls it even after a choice (rule 190 draws every time it is reached).
using enum Extinction;
constexpr TableCascade kCascade{{
    {15, Regle15, Jamais, false},        {251, Regle251, Jamais, false},    {191, Regle191, Jamais, false},
    {203, Regle203, Niveaux1Et2, false}, {21, Regle21, Jamais, false},      {170, Regle170, Jamais, false},
    {8, Regle8, Jamais, false},          {4, Regle4, Jamais, false},        {201, Regle201, Jamais, false},
    {7, Regle7, Jamais, false},          {181, Regle181, Jamais, false},    {118, Regle118, Jamais, false},
    {103, Regle103, Jamais, false},      {104, Regle104, Niveau1, false},   {252, Regle252, Jamais, false},
    {172, Regle172, Niveaux1Et2, false}, {9, Regle9, Jamais, false},        {10, Regle10, Jamais, false},
    {190, Regle190, Jamais, true},       {16, Regle16, SousNiveau4, false}, {204, Regle204, SousNiveau3, false},
    {130, Regle130, Niveau1, false},     {11, Regle11, Jamais, false},      {182, Regle182, SousNiveau4, false},
    {180, Regle180, SousNiveau4, false}, {160, Regle160, Jamais, false},    {119, Regle119, Jamais, false},
    {120, Regle120, Jamais, false},      {150, Regle150, Jamais, false},    {151, Regle151, Jamais, false},
    {116, Regle116, Niveau1, false},     {115, Regle115, Jamais, false},    {114, Regle114, Jamais, false},
    {113, Regle113, Jamais, false},      {112, Regle112, Jamais, false},    {101, Regle101, Jamais, false},
    {22, Regle22, Jamais, false},        {23, Regle23, Jamais, false},      {19, Regle19, Jamais, false},
    {13, Regle13, Jamais, false},        {18, Regle18, Jamais, false},      {2, Regle2, Jamais, false},
    {3, Regle3, Jamais, false},          {5, Regle5, Jamais, false},        {14, Regle14, Jamais, false},
    {6, Regle6, Jamais, false},          {1, Regle1, Jamais, false},
}};

}  // namespace

const TableCascade& CascadeRegles() { return kCascade; }

void LancerRegle(Partie& g, ContexteChoix& c, int16_t numero) {
  for (const EntreeCascade& e : kCascade)
    if (e.numero == numero) {
      c.regle = numero;
      e.regle(g, c);
      return;
    }
}

// ---- Candidate helpers ----

void ForcerCarteJouable(Partie& g, int16_t joueur, int16_t place, int16_t& ok) {
  ok = 0;
  // A search that found nothing (-1) or a place outside the hand is simply not a candidate.
  if (place < 1 || place > 18 || !EstCandidat(g, joueur, place)) return;
  g.CarteJouable[joueur].Remplir(0);
  g.CarteJouable[joueur][place] = 1;
  ok = 1;
}

void ExclureCarteSiAutreChoix(Partie& g, int16_t joueur, int16_t couleur, int16_t valeur) {
  ExclureSiAutreChoix(g, joueur, [=](const Carte& c) { return c.Couleur == couleur && c.Valeur == valeur; });
}

void ExclureCouleurSiAutreChoix(Partie& g, int16_t joueur, int16_t couleur) {
  // Suit 0 takes the Excuse along with the trumps.
  ExclureSiAutreChoix(g, joueur, [=](const Carte& c) { return c.Couleur == couleur; });
}

void ChercherPlusFortHonneur(const Partie& g, int16_t joueur, int16_t& place) {
  place = MeilleurCandidat(
      g, joueur, [](const Carte& c) { return c.EstCouleur() && c.Valeur > 10; }, PlusHaute);
}

void ChercherPlusPetitAtout(const Partie& g, int16_t joueur, int16_t& place) {
  place = MeilleurCandidat(
      g, joueur, [](const Carte& c) { return c.EstAtout() && c.Valeur > 1; }, PlusBasse);
}

void ChercherPlusPetiteCarte(const Partie& g, int16_t joueur, int16_t& place) {
  place = MeilleurCandidat(
      g, joueur, [](const Carte& c) { return c.EstCouleur(); }, PlusBasse);
}

void ChercherPlusPetitAtoutPair(const Partie& g, int16_t joueur, int16_t& place) {
  place = MeilleurCandidat(
      g, joueur, [](const Carte& c) { return c.EstAtout() && c.Valeur > 1 && EstPair(c.Valeur) == 1; }, PlusBasse);
}

void ChercherRoiGarde(const Partie& g, int16_t joueur, int16_t couleur, int16_t& place) {
  place = -1;
  const int16_t roi =
      PremierCandidat(g, joueur, [=](const Carte& c) { return c.Couleur == couleur && c.Valeur == 14; });
  if (roi != -1 && NombreCandidats(g, joueur, couleur) - 1 >= 2) place = roi;
}

void ChercherPetiteCarteCouleurLongue(const Partie& g, int16_t joueur, int16_t couleur, int16_t& place) {
  place = -1;
  const bool honneur =
      PremierCandidat(g, joueur, [=](const Carte& c) { return c.Couleur == couleur && c.Valeur >= 13; }) != -1;
  if (!honneur || NombreCandidats(g, joueur, couleur) < 5) return;
  const int16_t derniere = DernierCandidat(g, joueur, [=](const Carte& c) { return c.Couleur == couleur; });
  if (g.MainsJoueurs[joueur][derniere].Valeur <= 5) place = derniere;
}

void JoueurJoueApres(const Partie&, int16_t a, int16_t b, int16_t positionA, int16_t& resultat) {
  resultat = 0;
  if (a == b || positionA == 4) return;
  if (positionA == 1) resultat = 1;
  if (positionA == 2 && b != JoueurPrecedent(a)) resultat = 1;
  if (positionA == 3 && b == JoueurSuivant(a)) resultat = 1;
}

void TrouverCarteGagnante(const Partie& g, int16_t joueur, int16_t& place) {
  const int16_t maitre = MaitrePli(g, joueur);
  if (joueur != g.Preneur && maitre != g.Preneur) {
    place = 100;
    return;
  }
  const Carte m = g.PliCourant[maitre];
  place = PremierCandidat(g, joueur, [&](const Carte& c) { return PrendLaMain(c, m); });
}

// ---- What the rules share ----

bool Prendre(Partie& g, ContexteChoix& c, int16_t place) {
  int16_t ok = 0;
  ForcerCarteJouable(g, c.joueur, place, ok);
  c.ChoixFait = ok;
  if (ok == 1 && c.regle >= 1 && c.regle <= NombreRegles) g.ReglesActives[c.regle] = 2;
  return ok == 1;
}

bool ApresPreneur(const Partie& g, const ContexteChoix& c) {
  const int16_t p = c.PositionDansPli;
  return (c.joueur == g.Preneur && p == 4) || (c.joueur == c.Defenseur1 && p >= 2) ||
         (c.joueur == c.Defenseur2 && p >= 3) || (c.joueur == c.Defenseur3 && p == 4);
}

// ---- The choice ----

ContexteChoix CalculerContexteChoix(const Partie& g, int16_t joueur) {
  ContexteChoix c;
  c.joueur = joueur;
  c.Defenseur1 = JoueurSuivant(g.Preneur);
  c.Defenseur2 = JoueurSuivant(c.Defenseur1);
  c.Defenseur3 = JoueurSuivant(c.Defenseur2);
  c.PositionDansPli = static_cast<int16_t>(joueur - g.EntameurPli + 1);
  if (c.PositionDansPli < 1) c.PositionDansPli = static_cast<int16_t>(c.PositionDansPli + 4);
  TrouverCarteGagnante(g, joueur, c.PlaceGagnante);
  c.JoueurMaitre = MaitrePli(g, joueur);
  c.ChoixFait = 0;
  return c;
}

void ChoisirCarteOrdinateur(Partie& g, int16_t joueur) {
  g.ReglesActives.Remplir(1);
  ContexteChoix c = CalculerContexteChoix(g, joueur);
  for (const EntreeCascade& e : kCascade) {
    if (Eteinte(e.extinction, g.Niveau)) g.ReglesActives[e.numero] = 0;
    if (e.toujoursAtteinte || (g.ReglesActives[e.numero] == 1 && c.ChoixFait == 0)) {
      c.regle = e.numero;
      e.regle(g, c);
    }
  }
  // Only a rule of the cascade can have picked, so only its flags can read 2.
  for (const EntreeCascade& e : kCascade)
    if (g.ReglesActives[e.numero] == 2) {
      g.Ecran().AfficherRegle(joueur, std::to_string(e.numero));
      g.RegleAffichee[joueur] = e.numero;
      g.ReglesActives[e.numero] = 1;
    }
}

int16_t TirerPlaceCandidate(Partie& g, int16_t joueur) {
  for (int essai = 0; essai < 10000; ++essai) {
    const int16_t k = static_cast<int16_t>(CInt(g.Rnd() * 17) + 1);
    if (EstCandidat(g, joueur, k)) return k;
  }
  // Never seen in practice; the trick must still get its card.
  return PremierCandidat(g, joueur, [](const Carte&) { return true; });
}

int16_t ChoisirPlaceOrdinateur(Partie& g, int16_t joueur) {
  int16_t n = 0;
  for (int16_t k = 1; k <= 18 && n < 2; ++k)
    if (EstCandidat(g, joueur, k)) ++n;
  // Unlike the panel, which keeps its caption, this says which rule chose this very card.
  g.RegleAffichee[joueur] = 0;
  if (n >= 2) {
    g.Ecran().AfficherRegle(joueur, "");
    if (CInt(g.Rnd() * 100) <= g.PourcentJeuReflechi) ChoisirCarteOrdinateur(g, joueur);
  }
  return TirerPlaceCandidate(g, joueur);
}

void PoserCarte(Partie& g, int16_t joueur, int16_t place) {
  // Recorded while still in the hand and before the trick state moves.
  EnregistrerCarteJouee(g, joueur, place);
  g.MainsJoueurs[joueur][place].EnMain = 0;
  g.Ecran().AfficherCarteTable(joueur, place);
  MettreAJourPli(g, place);
}

void JouerCarteOrdinateur(Partie& g, int16_t joueur) { PoserCarte(g, joueur, ChoisirPlaceOrdinateur(g, joueur)); }
