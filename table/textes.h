#pragma once
// The texts of the table in both languages (Langue: 1 French, 2 English). Every look-up gives
// nothing for any other language, so the caller then writes nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct Partie;
class ModeleFenetre;

enum : int16_t { LangueFrancais = 1, LangueAnglais = 2 };

// Seat names in capitals: SUD, EST, NORD, OUEST by seat 1..4.
std::optional<std::string_view> NomSiege(int16_t langue, int16_t siege);
// Level names by level 1..4.
std::optional<std::string_view> NomNiveau(int16_t langue, int16_t niveau);

// A bid's word has three forms: a computer seat's announcement ("PRISE " with a trailing
// blank), the user's own bid and the contract ("PRISE"), and the advice ("Prise").
enum class FormeEnchere { Ordinateur, Humain, Conseil };
// By bid 0..4 (0 "Passe" in every form).
std::optional<std::string_view> MotEnchere(int16_t langue, int16_t enchere, FormeEnchere forme);
// "Conseil : " followed by the advice's word, nothing after the blank for a bid outside 0..4.
std::optional<std::string> TexteConseil(int16_t langue, int16_t enchere);

// The title of message boxes.
std::optional<std::string_view> TitreLogiciel(int16_t langue);
// The main window's caption, "Mirvane 1.0 pour Windows 95".
std::optional<std::string> TitreFenetre(int16_t langue, std::string_view version);
// The about box.
std::optional<std::string> TitreAPropos(int16_t langue, std::string_view version);
std::optional<std::string> TexteAPropos(int16_t langue, std::string_view version);
// Said once when the options and scores could not be written to `chemin`.
std::optional<std::string> TexteEchecSauvegarde(int16_t langue, std::string_view chemin);
// Shown in both languages when the level cannot change.
inline constexpr std::string_view TexteNiveauRefuse = "Vous ne pouvez changer de niveau qu'en fin de partie";

// The explanation written into `info` when the mouse is over a panel (any index of a control
// array); none for a control without one.
std::optional<std::string_view> TexteSurvol(int16_t langue, std::string_view controle);

// Every fixed text of the main window in the game's language: menus, buttons and panels, the
// window's caption, and the dealer, contract, bids, taker and advice of the deal under way.
void AppliquerLangue(ModeleFenetre& f, const Partie& g, std::string_view version);
// The mouse-over handlers of the panels that have an explanation: each writes `info` in the
// language the game has when the mouse moves.
void AssocierSurvols(ModeleFenetre& f, const Partie& g);
