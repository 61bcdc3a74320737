#include "computer/regles.h"

// Not written yet: these rules change nothing.
void Regle182(Partie&, ContexteChoix&) {}
void Regle180(Partie&, ContexteChoix&) {}
void Regle160(Partie&, ContexteChoix&) {}
void Regle150(Partie&, ContexteChoix&) {}
void Regle151(Partie&, ContexteChoix&) {}
void Regle22(Partie&, ContexteChoix&) {}
void Regle19(Partie&, ContexteChoix&) {}
void Regle13(Partie&, ContexteChoix&) {}
void Regle2(Partie&, ContexteChoix&) {}
void Regle3(Partie&, ContexteChoix&) {}
void Regle14(Partie&, ContexteChoix&) {}
void Regle6(Partie&, ContexteChoix&) {}
void Regle1(Partie&, ContexteChoix&) {}
