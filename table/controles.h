#pragma once
// Small helpers shared by the window models: units, texts by language, card faces and the
// pressed look of the panel buttons.
#include <cstdint>
#include <functional>
#include <string_view>

#include "table/modele.h"

// Pixels of the 800 x 600 display in twips.
constexpr float Twips(float pixels) { return pixels * 15; }

// The text of the language: 1 French, 2 English; any other value keeps `sinon`, the text the
// window was designed with.
constexpr std::string_view SelonLangue(int16_t langue, std::string_view francais, std::string_view anglais,
                                       std::string_view sinon) {
  return langue == 1 ? francais : langue == 2 ? anglais : sinon;
}
constexpr std::string_view SelonLangue(int16_t langue, std::string_view francais, std::string_view anglais) {
  return SelonLangue(langue, francais, anglais, francais);
}

// A card picture shows the face of the card; a card that names no face (suit outside 0..4)
// leaves the picture it had.
void MontrerFace(Controle& image, const Carte& carte);

// A panel button: pressed look (inset) on mouse down, raised on mouse up, and its click.
void AssocierBouton(ModeleFenetre& f, int id, std::function<void()> clic);
int AjouterBouton(ModeleFenetre& f, Controle c, std::function<void()> clic);
