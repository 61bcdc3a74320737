#pragma once
// The user's options and the four running scores: their keys and text forms in the settings
// store, loading (with the first run), saving, and what they turn into on the table: check
// marks, panels shown, timer intervals and the level-dependent values of the game.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/partie.h"
#include "platform/reglages.h"

class ModeleFenetre;
class Minuterie;
class Plateforme;

// Booleans of the options: 0 false, -1 true; any non-zero value counts as true.
inline constexpr int16_t OptionFaux = 0, OptionVrai = -1;

// The options only the table reads. The level (Niveau), the kind of hand (ForceMain) and the
// running scores (ScoreTotal) live in the game, where the rules read them.
struct Options {
  int16_t VitesseJeuCarte = 0;  // 1 very slow .. 5 very fast
  int16_t AttenteEntrePli = 0;  // 0 wait for a click, 1 one second, 2 two, 3 five
  int16_t VisConseilEnchere = OptionFaux;
  int16_t VisPointsPartie = OptionFaux;
  int16_t VisAtoutsDehors = OptionFaux;
  int16_t VisPanneaux = OptionFaux;
  int16_t AuMoinsUnePrise = OptionFaux;
  int16_t Son = OptionFaux;  // kept in the store; nothing plays sounds
  friend bool operator==(const Options&, const Options&) = default;
};

inline constexpr std::string_view ApplicationMirvane = "mirvane";
inline constexpr std::string_view SectionOptions = "option";

// Text forms of the store. A text that is not a whole decimal number, or does not fit the
// variable, reads as a missing key would: 0, or false.
int16_t LireEntier16(std::string_view texte);
int32_t LireEntier32(std::string_view texte);
// "true" or "false" in any case, or a number: 0 false, any other true.
int16_t LireBooleen(std::string_view texte);
std::string_view TexteBooleen(int16_t valeur);

// Every option at its default and the four scores at 0; nothing written.
void DefinirOptionsParDefaut(Options& o, Partie& g);
// Writes the whole set, in its fixed order. Stops at the first write that fails and returns
// false.
bool SauverOptions(const Options& o, const Partie& g, Reglages& r);
// The defaults, then saved.
bool CreerOptionsParDefaut(Options& o, Partie& g, Reglages& r);
// Reads the options and the scores; on the first run ("deja" missing or "0") writes the
// defaults and the marker. Returns false when a write failed. Applying is left to the caller.
bool ChargerOptions(Options& o, Partie& g, Reglages& r);

// What the options turn into on the table. Derived values of the game are written into it
// directly; the rest comes back here for the window.
struct EffetsOptions {
  std::vector<std::pair<std::string_view, bool>> coches;       // menu items
  std::vector<std::pair<std::string_view, bool>> visibilites;  // panels
  std::optional<int> intervalleEntreCarte;                     // none: the timer keeps its own
  std::optional<int> intervalleTransition;
  std::optional<std::string_view> legendeNiveau;  // PanelNiveau; none: unchanged
};
EffetsOptions AppliquerOptions(const Options& o, Partie& g);
// Carries the effects onto the window's menus and panels (found by name) and the two timers'
// intervals; the timers' enabled state is left alone.
void PorterEffets(const EffetsOptions& e, ModeleFenetre& f, Minuterie& entreCarte, Minuterie& transition);

// The level may change only outside the tricks of a deal: before the first, or after the last.
bool NiveauModifiable(const Partie& g);
// The level of a level menu item, 0 for any other item.
int16_t NiveauDuMenu(std::string_view menu);
// Sets or toggles the option of a menu item; false for an item that is not an option.
bool ModifierOption(std::string_view menu, Options& o, Partie& g);

// The options bound to the main window: its menus, its panels, its two timers and the store.
// Every handler sets its variable, applies and saves.
class OptionsTable {
 public:
  OptionsTable(Partie& g, ModeleFenetre& f, Minuterie& entreCarte, Minuterie& transition, Reglages& r, Plateforme& p)
      : g_(g), f_(f), entreCarte_(entreCarte), transition_(transition), r_(r), p_(p) {}

  Options o;

  void ChargerOptions();
  void CreerOptionsParDefaut();
  void SauverOptions();
  void AppliquerOptions();
  void ChangerNiveau(int16_t niveau);
  // Handler of an option menu item (level, kind of hand, display, taker, speed, pause).
  void ChoisirOption(std::string_view menu);
  // Binds every option item of the window's menus to ChoisirOption; `rehauss` gets a handler
  // that does nothing.
  void AssocierMenus();

  // Whether a failed save has been reported: the user is told once per run.
  bool EchecSignale() const { return echecSignale_; }

 private:
  void Signaler(bool ecrit);

  Partie& g_;
  ModeleFenetre& f_;
  Minuterie& entreCarte_;
  Minuterie& transition_;
  Reglages& r_;
  Plateforme& p_;
  bool echecSignale_ = false;
};
