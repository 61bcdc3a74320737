#include "table/form_poignee.h"

FormPoignee::FormPoignee(Partie& g, Plateforme& plateforme, int16_t decalage, std::function<void()> fermer)
    : g_(g), plateforme_(plateforme), decalage_(decalage), fermer_(std::move(fermer)) {
  largeur = 10500;
  hauteur = 3765;
  couleurFond = 0x00C0C0;
  for (int16_t i = 1; i <= 18; ++i) {
    Controle c;
    c.nom = "CartePoignee";
    c.index = i;
    c.genre = GenreControle::Carte;
    c.largeur = 1350;
    c.hauteur = 2250;
    c.visible = false;
    c.pointeur = PointeurFleche;
    cartes_[i] = Ajouter(c);
    Associer(cartes_[i], Evenement::Clic, [this](int16_t k) { CartePoignee_Click(k); });
  }
  auto bouton = [this](const char* nom, float gauche, float haut, float large, float haute) {
    Controle c;
    c.nom = nom;
    c.genre = GenreControle::Bouton;
    c.gauche = gauche;
    c.haut = haut;
    c.largeur = large;
    c.hauteur = haute;
    c.taillePolice = 9.75f;
    c.gras = true;
    return Ajouter(c);
  };
  paresseux_ = bouton("PanelBoutonParesseux", 90, 3090, 2685, 585);
  ok_ = bouton("PanelOKPoignee", 4095, 3120, 2685, 570);
  annuler_ = bouton("PanelAnnulerPoignee", 7710, 3120, 2685, 555);
  (*this)[ok_].legende = "OK";
  Associer(paresseux_, Evenement::Clic, [this](int16_t) { PanelBoutonParesseux_Click(); });
  Associer(paresseux_, Evenement::Bas, [this](int16_t) { (*this)[paresseux_].biseau = BiseauCreux; });
  Associer(paresseux_, Evenement::Haut, [this](int16_t) { (*this)[paresseux_].biseau = BiseauRelief; });
  Associer(ok_, Evenement::Clic, [this](int16_t) { PanelOKPoignee_Click(); });
  Associer(annuler_, Evenement::Clic, [this](int16_t) { PanelAnnulerPoignee_Click(); });
  Form_Load();
}

int16_t FormPoignee::Taille() const {
  switch (g_.PoigneeAnnoncee) {
    case 1:
      return g_.SeuilPoigneeSimple;
    case 2:
      return g_.SeuilPoigneeDouble;
    case 3:
      return g_.SeuilPoigneeTriple;
    default:
      return 0;
  }
}

void FormPoignee::Form_Load() {
  if (g_.Langue == 1) {
    titre = "Sélectionnez les cartes à mettre dans la poignée.";
    (*this)[paresseux_].legende = "Bouton paresseux...";
    (*this)[annuler_].legende = "Annuler la poignée...";
  } else if (g_.Langue == 2) {
    titre = "Choose the cards to put in the Poignée";
    (*this)[paresseux_].legende = "Lazy button...";
    (*this)[annuler_].legende = "Cancel the Poignée...";
  }
  NbCartesPoignee = 0;
  Controle& premiere = (*this)[cartes_[1]];
  premiere.gauche = 15;
  premiere.haut = static_cast<float>(static_cast<int16_t>(decalage_ + 110));
  const Main& main = g_.MainsJoueurs[g_.JoueurHumain];
  for (int16_t i = 1; i <= 18; ++i) {
    Controle& c = (*this)[cartes_[i]];
    c.visible = false;
    if (main[i].Couleur != CouleurAtout) continue;
    c.visible = true;
    // Read again at every place: the first picture may itself have moved.
    const float gauche = (*this)[cartes_[1]].gauche;
    const float haut = (*this)[cartes_[1]].haut;
    c.gauche = static_cast<float>(static_cast<int16_t>(gauche + (i - 1) * decalage_));
    const int16_t n = CInt(g_.Rnd() * 100);
    c.haut = static_cast<float>(static_cast<int16_t>(haut + 50 - n));
  }
  for (int16_t i = 1; i <= 18; ++i)
    if (main[i].Couleur == CouleurAtout) (*this)[cartes_[i]].carte = main[i];
  CarteChoisiePoignee.Remplir(0);
  (*this)[ok_].visible = false;
}

void FormPoignee::CartePoignee_Click(int16_t i) {
  const Carte& carte = g_.MainsJoueurs[g_.JoueurHumain][i];
  Controle& c = (*this)[cartes_[i]];
  if (carte.Valeur == 0 && i != Taille()) {
    plateforme_.Message("Vous ne pouvez pas sélectionner l'Excuse...", "", BoutonsMessage::Ok);
  } else if (CarteChoisiePoignee[i] == 1) {
    c.haut += decalage_;
    CarteChoisiePoignee[i] = 0;
    --NbCartesPoignee;
  } else {
    c.haut -= decalage_;
    CarteChoisiePoignee[i] = 1;
    ++NbCartesPoignee;
  }
  MontrerOK();
}

void FormPoignee::MontrerOK() {
  (*this)[ok_].visible = false;
  if (Taille() > 0 && NbCartesPoignee == Taille()) (*this)[ok_].visible = true;
}

void FormPoignee::PanelBoutonParesseux_Click() {
  NbCartesPoignee = Taille();
  for (int16_t i = 1; i <= Taille(); ++i) {
    if (CarteChoisiePoignee[i] != 0) continue;
    CarteChoisiePoignee[i] = 1;
    (*this)[cartes_[i]].haut -= decalage_;
  }
  (*this)[ok_].visible = true;
}

void FormPoignee::PanelOKPoignee_Click() { Form_Unload(); }

void FormPoignee::PanelAnnulerPoignee_Click() {
  g_.PoigneeAnnoncee = 0;
  Form_Unload();
}

void FormPoignee::Form_Unload() {
  visible = false;
  // The owner re-enables the main window, closes the offer and destroys this window.
  if (fermer_) {
    auto f = std::move(fermer_);
    fermer_ = nullptr;
    f();
  }
}
