#pragma once
// In-memory settings store for tests: the last writes are recorded in order, and writes can be
// made to fail.
#include <map>
#include <string>
#include <vector>

#include "platform/factice.h"
#include "platform/reglages.h"

class ReglagesFactices : public Reglages {
 public:
  std::string Lire(std::string_view application, std::string_view section, std::string_view cle,
                   std::string_view defaut) override {
    ++lectures;
    const auto it = valeurs.find(Cle(application, section, cle));
    return it == valeurs.end() ? std::string(defaut) : it->second;
  }
  bool Ecrire(std::string_view application, std::string_view section, std::string_view cle,
              std::string_view valeur) override {
    if (enPanne) return false;
    Consigner(ecritures, std::string(cle) + "=" + std::string(valeur));
    valeurs[Cle(application, section, cle)] = std::string(valeur);
    return true;
  }
  std::string Chemin(std::string_view application) const override {
    return "/memoire/" + std::string(application) + ".ini";
  }

  // The key as stored: "application/section/key".
  static std::string Cle(std::string_view application, std::string_view section, std::string_view cle) {
    return std::string(application) + "/" + std::string(section) + "/" + std::string(cle);
  }

  std::map<std::string, std::string> valeurs;
  std::vector<std::string> ecritures;  // "key=value", in the order written
  int lectures = 0;
  bool enPanne = false;  // every write fails
};
