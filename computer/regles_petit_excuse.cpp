#include "computer/regles.h"

// Not written yet: these rules change nothing.
void Regle15(Partie&, ContexteChoix&) {}
void Regle251(Partie&, ContexteChoix&) {}
void Regle191(Partie&, ContexteChoix&) {}
void Regle21(Partie&, ContexteChoix&) {}
void Regle170(Partie&, ContexteChoix&) {}
void Regle8(Partie&, ContexteChoix&) {}
void Regle4(Partie&, ContexteChoix&) {}
void Regle201(Partie&, ContexteChoix&) {}
void Regle7(Partie&, ContexteChoix&) {}
void Regle181(Partie&, ContexteChoix&) {}
void Regle118(Partie&, ContexteChoix&) {}
void Regle103(Partie&, ContexteChoix&) {}
void Regle104(Partie&, ContexteChoix&) {}
void Regle252(Partie&, ContexteChoix&) {}
void Regle172(Partie&, ContexteChoix&) {}
void Regle9(Partie&, ContexteChoix&) {}
void Regle10(Partie&, ContexteChoix&) {}
void Regle190(Partie&, ContexteChoix&) {}
