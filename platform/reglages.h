#pragma once
// The per-user settings store, with no Qt in it: one text per application, section and key.
// The program stores it in an INI file (platform/reglages_qt.h); tests use the in-memory one of
// platform/reglages_factices.h.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Keys and their texts, in the order they are written.
using ValeursReglages = std::vector<std::pair<std::string, std::string>>;

class Reglages {
 public:
  virtual ~Reglages() = default;
  // The stored text, or `defaut` when the key is missing or the store cannot be read.
  virtual std::string Lire(std::string_view application, std::string_view section, std::string_view cle,
                           std::string_view defaut) = 0;
  // Every key given, written to the store in one go. false when they could not be written:
  // the caller tells the user.
  virtual bool EcrireTout(std::string_view application, std::string_view section, const ValeursReglages& valeurs) = 0;
  bool Ecrire(std::string_view application, std::string_view section, std::string_view cle, std::string_view valeur) {
    return EcrireTout(application, section, {{std::string(cle), std::string(valeur)}});
  }
  // Where the application's settings live, for the user's eyes.
  virtual std::string Chemin(std::string_view application) const = 0;
};
