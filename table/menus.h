#pragma once
// The menu bar of the main window: seven menus, their items, captions in both languages,
// function keys, and the items that are created unavailable.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

class ModeleFenetre;

struct DefinitionMenu {
  std::string_view nom;
  std::string_view parent;  // the menu or submenu it belongs to; empty for a menu of the bar
  std::string_view francais;
  std::optional<std::string_view> anglais;  // none: the French caption stands in both
  std::string_view touche;
  bool disponible = true;
  bool coche = false;
};

// In display order.
std::span<const DefinitionMenu> DefinitionsMenus();

// Adds the menu bar to the window, with its French captions.
void CreerMenus(ModeleFenetre& f);
// Captions of every item in a language; another language changes nothing.
void LegenderMenus(ModeleFenetre& f, int16_t langue);
