#pragma once
// The strategy rules of the card choice, one function each. A rule tests its own condition
// and acts through the candidate helpers; the cascade (computer/choix.cpp) calls them in
// order, with level gating, and only while its flag is 1 and no card has been chosen.
#include <array>

#include "computer/choix.h"

using Regle = void (*)(Partie&, ContexteChoix&);

// The levels at which a rule is switched off. Each is a test on the level as it stands, so
// that a level outside 1..4, which a damaged settings file can give, keeps the rules that no
// test names.
enum class Extinction : int8_t { Jamais, Niveau1, Niveaux1Et2, SousNiveau3, SousNiveau4 };
constexpr bool Eteinte(Extinction e, int16_t niveau) {
  switch (e) {
    case Extinction::Niveau1:
      return niveau == 1;
    case Extinction::Niveaux1Et2:
      return niveau == 1 || niveau == 2;
    case Extinction::SousNiveau3:
      return niveau < 3;
    case Extinction::SousNiveau4:
      return niveau < 4;
    case Extinction::Jamais:
      break;
  }
  return false;
}

// One place of the cascade: the rule's number, its function, and the levels that switch it off.
struct EntreeCascade {
  int16_t numero;
  Regle regle;
  Extinction extinction;
  bool toujoursAtteinte;  // called even when it may not act (it draws first)
};
using TableCascade = std::array<EntreeCascade, 47>;
// The order of the cascade, read in one place (computer/choix.cpp).
const TableCascade& CascadeRegles();
// Runs one rule alone, as the cascade would once it has decided to call it.
void LancerRegle(Partie& g, ContexteChoix& c, int16_t numero);

// The Petit and the Excuse (computer/regles_petit_excuse.cpp).
void Regle15(Partie&, ContexteChoix&);
void Regle251(Partie&, ContexteChoix&);
void Regle191(Partie&, ContexteChoix&);
void Regle21(Partie&, ContexteChoix&);
void Regle170(Partie&, ContexteChoix&);
void Regle8(Partie&, ContexteChoix&);
void Regle4(Partie&, ContexteChoix&);
void Regle201(Partie&, ContexteChoix&);
void Regle7(Partie&, ContexteChoix&);
void Regle181(Partie&, ContexteChoix&);
void Regle118(Partie&, ContexteChoix&);
void Regle103(Partie&, ContexteChoix&);
void Regle104(Partie&, ContexteChoix&);
void Regle252(Partie&, ContexteChoix&);
void Regle172(Partie&, ContexteChoix&);
void Regle9(Partie&, ContexteChoix&);
void Regle10(Partie&, ContexteChoix&);
// Draws every time the cascade reaches it, then acts only while its flag is 1 and nothing
// is chosen yet.
void Regle190(Partie&, ContexteChoix&);

// Defenders' leads and discards (computer/regles_defense.cpp).
void Regle203(Partie&, ContexteChoix&);
void Regle16(Partie&, ContexteChoix&);
void Regle204(Partie&, ContexteChoix&);
void Regle130(Partie&, ContexteChoix&);
void Regle11(Partie&, ContexteChoix&);
void Regle119(Partie&, ContexteChoix&);
void Regle120(Partie&, ContexteChoix&);
void Regle116(Partie&, ContexteChoix&);
void Regle115(Partie&, ContexteChoix&);
void Regle114(Partie&, ContexteChoix&);
void Regle113(Partie&, ContexteChoix&);
void Regle112(Partie&, ContexteChoix&);
void Regle101(Partie&, ContexteChoix&);
void Regle23(Partie&, ContexteChoix&);
void Regle18(Partie&, ContexteChoix&);
void Regle5(Partie&, ContexteChoix&);

// Taker's plan, following and default (computer/regles_preneur.cpp).
void Regle182(Partie&, ContexteChoix&);
void Regle180(Partie&, ContexteChoix&);
void Regle160(Partie&, ContexteChoix&);
void Regle150(Partie&, ContexteChoix&);
void Regle151(Partie&, ContexteChoix&);
void Regle22(Partie&, ContexteChoix&);
void Regle19(Partie&, ContexteChoix&);
void Regle13(Partie&, ContexteChoix&);
void Regle2(Partie&, ContexteChoix&);
void Regle3(Partie&, ContexteChoix&);
void Regle14(Partie&, ContexteChoix&);
void Regle6(Partie&, ContexteChoix&);
void Regle1(Partie&, ContexteChoix&);
