#pragma once
// The menu bar of the main window: seven menus, their items, captions in both languages,
// function keys, and the items that are created unavailable.
#include <cstdint>
#include <optional>
#include <string_view>

class ModeleFenetre;

// Adds the menu bar to the window, with its French captions.
void CreerMenus(ModeleFenetre& f);
// Captions of every item in a language; another language changes nothing.
void LegenderMenus(ModeleFenetre& f, int16_t langue);
