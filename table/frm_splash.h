#pragma once
// The start screen: product line, version, a legal warning, and the choice of language. Its
// unload opens the main window in the language chosen, French when it is closed without a
// button.
#include <cstdint>
#include <functional>
#include <string>

#include "table/modele.h"

// The title of the message boxes in the language; nothing for a language we do not have.
void DefinirTitreFenetre(int16_t Langue, std::string& TitreLogiciel);

class FrmSplash : public ModeleFenetre {
 public:
  FrmSplash();

  void Form_Load();
  void CommandStartFrench_Click();
  void CommandStartEnglish_Click();
  // By a button or by the window system; the start screen unloads once.
  void Form_Unload();
  bool Decharge() const { return decharge_; }

  // Values the main window reads.
  int16_t Langue = 1;
  std::string TitreLogiciel;
  std::string NumeroVersion;
  int16_t ModeDebug = 0;

  // Run by the unload, the language chosen: closes the start screen's window and opens the
  // main window.
  std::function<void()> surDechargement;

  // Controls, in creation order.
  const int Frame1, Picture2, Image2, lblWarning, lblVersion, lblCompanyProduct, CommandStartEnglish,
      CommandStartFrench;

 private:
  bool decharge_ = false;
};
