#pragma once
// In-memory settings store for tests: the last keys written are recorded in order, and writes
// can be made to fail.
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
  bool EcrireTout(std::string_view application, std::string_view section, const ValeursReglages& v) override {
    if (enPanne) return false;
    for (const auto& [cle, valeur] : v) {
      Consigner(ecritures, cle + "=" + valeur);
      valeurs[Cle(application, section, cle)] = valeur;
    }
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
