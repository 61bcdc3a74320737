#pragma once
// The model of a window: its controls as plain data, and the events the window system
// delivers to them. Every window of the game (the table and the auxiliary windows) is one of
// these; a Qt window only draws it and forwards clicks, so the whole game runs without Qt.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/carte.h"

enum class GenreControle : int16_t {
  Panneau,  // 3-D panel showing a caption
  Bouton,   // 3-D panel button: takes clicks, pressed look on mouse down
  Carte,    // picture box showing a card face from its top-left corner, unscaled
  Forme,    // the round table
  Cadre,    // a rectangle outline (the taker's frame)
};

// Outer bevel of a 3-D panel.
enum : int16_t { BiseauAucun = 0, BiseauCreux = 1, BiseauRelief = 2 };
// Mouse pointers.
enum : int16_t { PointeurDefaut = 0, PointeurFleche = 10, PointeurSablier = 11, PointeurInterdit = 12 };
// Caption alignment.
enum : int16_t { AligneCentre = 0, AligneGauche = 1, AligneDroite = 2 };

struct Controle {
  std::string nom;
  int16_t index = -1;  // element of a control array; -1 for a single control
  GenreControle genre = GenreControle::Panneau;
  int parent = -1;  // control it lies in (positions are relative to it); -1 the window
  // Place and size in twips, single precision as the layout computes them.
  float gauche = 0, haut = 0, largeur = 0, hauteur = 0;
  std::string legende;
  bool visible = true;
  bool actif = true;
  int16_t biseau = BiseauRelief;
  float taillePolice = 8.25f;
  std::string police;  // font family; empty for the narrow sans-serif of the game
  bool gras = false;
  int16_t alignement = AligneCentre;
  uint32_t couleurTexte = 0x000000;  // 0xRRGGBB
  uint32_t couleurFond = 0xC0C0C0;
  int16_t pointeur = PointeurDefaut;
  Carte carte{};  // the face shown; suit -1 for none
  friend bool operator==(const Controle&, const Controle&) = default;
};

struct ElementMenu {
  std::string nom;
  int parent = -1;  // the menu it belongs to; -1 for a menu of the bar
  std::string legende;
  std::string touche;  // "F2", ...; empty for none
  bool coche = false;
  bool disponible = true;
  bool visible = true;
  bool separateur = false;
  friend bool operator==(const ElementMenu&, const ElementMenu&) = default;
};

enum class Evenement : int16_t { Clic, Bas, Haut, Survol };

class ModeleFenetre {
 public:
  using Gestionnaire = std::function<void(int16_t index)>;

  virtual ~ModeleFenetre() = default;
  ModeleFenetre() = default;
  ModeleFenetre(const ModeleFenetre&) = delete;
  ModeleFenetre& operator=(const ModeleFenetre&) = delete;

  // The window itself.
  std::string titre;
  float largeur = 0, hauteur = 0;  // client area, twips
  uint32_t couleurFond = 0xC0C0C0;
  bool actif = true;
  bool visible = true;
  int16_t pointeur = PointeurDefaut;
  // Raised to have the window centred on the screen again before it is next shown.
  int centrages = 0;

  // Adds a control; its id is its place in Controles().
  int Ajouter(Controle c);
  Controle& operator[](int id) { return controles_[static_cast<size_t>(id)]; }
  const Controle& operator[](int id) const { return controles_[static_cast<size_t>(id)]; }
  const std::vector<Controle>& Controles() const { return controles_; }
  // -1 when there is no such control.
  int Chercher(std::string_view nom, int16_t index = -1) const;

  int AjouterMenu(ElementMenu m);
  ElementMenu& Menu(int id) { return menus_[static_cast<size_t>(id)]; }
  const std::vector<ElementMenu>& Menus() const { return menus_; }
  int ChercherMenu(std::string_view nom) const;

  // Handlers of a control's events, set by the window's owner.
  void Associer(int id, Evenement e, Gestionnaire g);
  void AssocierMenu(int id, std::function<void()> g);
  bool AUnGestionnaire(int id, Evenement e) const;
  // Whether the window system would deliver an event to the control now: the window is
  // enabled, and the control and every panel it lies in are visible and enabled.
  bool Atteignable(int id) const;
  // The control and every panel it lies in are visible.
  bool Visible(int id) const;

  // Entry points of the window system. A control that is not reachable gets nothing, as a
  // hidden or disabled control never receives the event.
  void Envoyer(int id, Evenement e);
  void ChoisirMenu(int id);
  // A click on the window outside any control.
  virtual void Form_Click() {}

 private:
  struct Gestionnaires {
    Gestionnaire clic, bas, haut, survol;
  };
  std::vector<Controle> controles_;
  std::vector<Gestionnaires> gestionnaires_;
  std::vector<ElementMenu> menus_;
  std::vector<std::function<void()>> actionsMenus_;
};
