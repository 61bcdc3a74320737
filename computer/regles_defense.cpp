#include "computer/regles.h"

// Not written yet: these rules change nothing.
void Regle203(Partie&, ContexteChoix&) {}
void Regle16(Partie&, ContexteChoix&) {}
void Regle204(Partie&, ContexteChoix&) {}
void Regle130(Partie&, ContexteChoix&) {}
void Regle11(Partie&, ContexteChoix&) {}
void Regle119(Partie&, ContexteChoix&) {}
void Regle120(Partie&, ContexteChoix&) {}
void Regle116(Partie&, ContexteChoix&) {}
void Regle115(Partie&, ContexteChoix&) {}
void Regle114(Partie&, ContexteChoix&) {}
void Regle113(Partie&, ContexteChoix&) {}
void Regle112(Partie&, ContexteChoix&) {}
void Regle101(Partie&, ContexteChoix&) {}
void Regle23(Partie&, ContexteChoix&) {}
void Regle18(Partie&, ContexteChoix&) {}
void Regle5(Partie&, ContexteChoix&) {}
