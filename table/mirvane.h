#pragma once
// The main window as plain C++: the state of the deal, the window's variables, a model of
// every control, and the window's event handlers. It runs the whole flow of a deal on three
// timers and the user's clicks; the Qt window only draws the model and forwards events.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/partie.h"
#include "platform/aide.h"
#include "platform/plateforme.h"
#include "platform/reglages.h"
#include "table/annexes.h"
#include "table/controles.h"
#include "table/cycle_vie.h"
#include "table/form_poignee.h"
#include "table/modele.h"
#include "table/options.h"

// The outer size of the window the layout is computed for (800 x 600 pixels) and the size of
// the table area below the menu bar, in twips.
constexpr float LargeurFenetreTwips = 12000;
constexpr float HauteurFenetreTwips = 9000;
constexpr float HauteurAireTwips = 8670;
constexpr int TwipsParPixel = 15;

class Mirvane : public ModeleFenetre, private Affichage {
 public:
  // Without a settings store the options live in memory for the run.
  explicit Mirvane(Plateforme& plateforme, Aleatoire alea = Aleatoire(), Reglages* reglages = nullptr);
  ~Mirvane() override;

  Partie g;

  // The three timers.
  Minuterie& TimerEnchere() { return *timerEnchere_; }
  Minuterie& TimerEntreCarte() { return *timerEntreCarte_; }
  Minuterie& TimerTransition() { return *timerTransition_; }

  // Variables of the main window.
  int16_t EnchereurCourant = 0;
  int16_t Contrat = 0;
  int16_t IndexHistorique = 0;
  Tab1<int32_t, 10> ResultatsDonnes{};
  int32_t PointsEnJeu = 0;
  Tab1<int32_t, 4> PointsGagnes{};
  int16_t DecalageCarte = 570;
  int16_t DecalageCartePoignee = 570;
  int16_t DecalageCarteJouable = 200;
  int16_t LargeurCarte = 1350;
  std::string NumeroVersion = MIRVANE_VERSION;
  int32_t DonnesPreparees = 0;  // deals started in this run, redeals included

  // Layout values, twips.
  int16_t GaucheMain = 100, PasMain18 = 0, PasMain24 = 0, HautMain = 0, HautMilieu = 0, GaucheChien = 0;

  // The human discard.
  int16_t NbCartesEcart = 0;
  Tab1<int16_t, 24> SourceCarteEcart{};
  Tab1<int16_t, 24> IndexCarteEcart{};
  Tab1<int16_t, 18> ChoixEcartMain{};
  Tab1<int16_t, 6> ChoixEcartChien{};
  Tab1<Carte, 6> EcartTampon;

  // Time spent dealing and in the computer seats' card choices, when measured (benchmarks).
  struct Chronos {
    double secondesDonne = 0;
    double secondesChoix = 0;
    int64_t cartes = 0;
    double secondesTotal = 0;  // kept by whoever measures whole deals
  };
  Chronos* chronos = nullptr;

  // The handful window while it is open.
  FormPoignee* Poignee() { return formPoignee_.get(); }
  // The windows after a deal and the last trick, while they exist (hidden or shown).
  FormScoreDetaille* ScoreDetaille() const { return annexes_.ScoreDetaille(); }
  FormTousPlis* TousPlis() const { return annexes_.TousPlis(); }
  FormMains* Mains() const { return annexes_.Mains(); }
  FormLastPli* LastPli() const { return annexes_.LastPli(); }

  // The options and running scores, with the store they are saved in.
  OptionsTable& Opts() { return *options_; }

  // Steps of the deal.
  void Form_Load();
  void PreparerNouvelleDonne(int16_t rejouer);
  void DemanderEnchere(int16_t siege);
  void TimerEnchere_Timer();
  int16_t DeterminerPreneur();
  void EnchainerTransition();
  void MontrerChien();
  void ActiverTimerEntreCarte() override;
  void TimerEntreCarte_Timer();
  void TimerTransition_Timer();
  void AfficherCliquezPourContinuer() override;
  void Form_Click() override { EnchainerTransition(); }

  // New deals.
  void nouveau_Click();
  void PanelLancement_Click();
  void PanelNewPartie_Click();
  void PanelPanelNewPartie_Click();
  void PanelRejouerDonne_Click();

  // The user's bids, cards and handful answers.
  void EncherePasse();
  void EncherePrise() { EnchereHumaine(EncherePrise_); }
  void EnchereGarde() { EnchereHumaine(EnchereGarde_); }
  void EnchereGardeSans() { EnchereHumaine(EnchereGardeSans_); }
  void EnchereGardeContre() { EnchereHumaine(EnchereGardeContre_); }
  void ButtonPasse_Click() { EncherePasse(); }
  void ButtonPrise_Click() { EncherePrise(); }
  void ButtonGarde_Click() { EnchereGarde(); }
  void ButtonGardeSans_Click() { EnchereGardeSans(); }
  void ButtonGardeContre_Click() { EnchereGardeContre(); }
  void EvMaMain_Click();
  void Panel3D1_Click();
  void Carte3d_Click(int16_t index);
  void PanelPoigneeAucune_Click();
  void PanelPoigneeSimple_Click() { DeclarerPoignee(1); }
  void PanelPoigneeDouble_Click() { DeclarerPoignee(2); }
  void PanelPoigneeTriple_Click() { DeclarerPoignee(3); }
  void DeclarerPoignee(int16_t genre);

  // The user's discard.
  void CarteChien_Click(int16_t index);
  // The chien taken in, by a click on it or on the window: the user's discard or the computer's.
  void PrendreChien();
  void PreparerEcartJoueur();
  void PanelConfirmeEcart_Click();
  void ValiderEcartJoueur();
  void MoveUp(int16_t index);
  void MoveDown(int16_t index);

  // End of the deal and running scores.
  void AfficherResultatDonne() override;
  void BasculerScoresTotaux();
  void scores_Click() { BasculerScoresTotaux(); }
  void CarteTable_Click(int16_t) { BasculerScoresTotaux(); }
  void PanelScoreTotal_Click(int16_t);
  void scorzero_Click();
  void PanelScoreDetaille_Click() { annexes_.PanelScoreDetaille_Click(g); }
  void PanelVoirMains_Click() { annexes_.PanelVoirMains_Click(g); }
  void PanelVoirPlis_Click() { annexes_.PanelVoirPlis_Click(g); }
  void MenuLastPli_Click() { annexes_.MenuLastPli_Click(g); }

  // Texts and language.
  void AppliquerLangue();
  void menufrench_Click();
  void menuenglish_Click();
  void apropos_Click();

  // Layout.
  void InitAireJeu();
  void DisposerMainJoueur() override;
  void AfficherCarteTable(int16_t joueur, int16_t place) override;
  void DessinerCarteMain(int16_t place);
  void DessinerCarteChien(int16_t place);

  // The desktop: the display mode, the help viewer and the program's folder. Without it (tests,
  // self-play) the load switches no display and the help shows nothing.
  void DefinirBureau(ResolutionEcran* resolution, Aide* aide, std::string dossierProgramme);
  std::string FichierAideCourant;  // chosen once, by the load

  // Help and the end of the run.
  void AfficherAideIndex();
  void PanelAide_Click() { AfficherAideIndex(); }
  void som_Click() { AfficherAideIndex(); }
  void ConfirmerQuitter();
  void PanelQuit_Click() { ConfirmerQuitter(); }
  void quitter_Click() { ConfirmerQuitter(); }
  void DechargerTousControles();
  // After the confirmed quit, or straight from the close box (no question, no save): the
  // display put back, then the program ends. Once only.
  void Form_Unload();
  bool Decharge() const { return decharge_; }
  // What the unload asks of the owner: ending the program.
  std::function<void()> terminer;

  // Ids of the controls, for the window and the tests.
  struct Ids {
    int PanelGauche, PanelDroite, info, nEnchere, nContrat, nPointsAttaque, nPointsDefense, nBoutsPreneur,
        nBoutsDefense, PanelAtExt, PanelPreneur, PanelDonneur, PanelNiveau, EvMaMain, Panel3D1, PanelNewPartie,
        PanelAide, PanelQuit, Score10Panel, PanelPourcentScore, TableRonde, PanelEnchere, ButtonPasse, ButtonPrise,
        ButtonGarde, ButtonGardeSans, ButtonGardeContre, PanelPoignee, PanelPoigneeSimple, PanelPoigneeDouble,
        PanelPoigneeTriple, PanelPoigneeAucune, PanelConfirmeEcart, PanelResultat, PanelTexteResultat,
        PanelScoreDetaille, PanelVoirMains, PanelVoirPlis, PanelPanelNewPartie, PanelRejouerDonne, PanelLancement;
    Tab1<int, 24> Carte3d;
    Tab1<int, 6> CarteChien;
    Tab1<int, 4> CarteTable, CadrePreneur, PanelDecision, PanelScoreTotal, PanelScore, PanelClassement, PanelRegle;
    int nouveau, scores, scorzero, MenuLastPli, quitter, menufrench, menuenglish, apropos;
  };
  const Ids& Id() const { return id_; }
  Controle& C(int id) { return (*this)[id]; }
  const Controle& C(int id) const { return (*this)[id]; }

  // The text of the current language; nothing for another language value.
  void Texte(int id, std::string_view francais, std::string_view anglais);
  // A text already chosen by language; nothing when there is none.
  void Legende(int id, std::optional<std::string_view> texte);

 private:
  static constexpr int16_t EncherePrise_ = 1, EnchereGarde_ = 2, EnchereGardeSans_ = 3, EnchereGardeContre_ = 4;

  void CreerControles();
  void CreerMenus();
  void AssocierBouton(int id, std::function<void()> clic);
  void EnchereHumaine(int16_t enchere);
  void CompterEnchereHumaine();
  void FermerPoignee();

  // The display interface of the rules.
  void MarquerCartesJouables(int16_t joueur) override;
  void AfficherPoints(double attaque, double defense) override;
  void AfficherBouts(int16_t preneur, int16_t defense) override;
  void AfficherPointsAFaire(int16_t points) override;
  void ActiverMenuLastPli() override;
  void ActiverTimerTransition() override;
  void AppelDessinLastPli() override { annexes_.AppelDessinLastPli(g); }
  void AfficherInfo(std::string_view francais, std::string_view anglais) override;
  void AfficherAtoutsDehors(int16_t nombre) override;
  void AfficherRegle(int16_t joueur, std::string_view texte) override;

  Plateforme& plateforme_;
  ResolutionEcran* resolution_ = nullptr;
  Aide* aide_ = nullptr;
  std::string dossierProgramme_;
  bool decharge_ = false;
  std::unique_ptr<Minuterie> timerEnchere_, timerEntreCarte_, timerTransition_;
  std::unique_ptr<FormPoignee> formPoignee_, poigneeFermee_;
  FenetresAnnexes annexes_;
  std::unique_ptr<Reglages> reglagesMemoire_;
  std::unique_ptr<OptionsTable> options_;
  Ids id_{};
  // Captions of the side panels' labels.
  struct Etiquette {
    int id;
    std::string francais, anglais;
  };
  std::vector<Etiquette> etiquettes_;
};
