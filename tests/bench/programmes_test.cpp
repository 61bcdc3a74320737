// The self-play and the drawing tool, run as a user would: a write that fails, or an argument
// that would be ignored, shows in the exit status and on stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

namespace {

// Runs a command through the shell: its exit status, and its stdout and stderr together.
std::pair<int, std::string> Lancer(const std::string& commande) {
  FILE* f = popen((commande + " 2>&1").c_str(), "r");
  std::string texte;
  char tampon[4096];
  for (size_t n; (n = std::fread(tampon, 1, sizeof tampon, f)) > 0;) texte.append(tampon, n);
  const int statut = pclose(f);
  return {WIFEXITED(statut) ? WEXITSTATUS(statut) : -1, texte};
}

TEST(Programmes, SelfplayReportsAFullDiskAndRefusesWhatItWouldIgnore) {
  const std::string selfplay = std::string(MIRVANE_SELFPLAY) + " --level 4 ";
  EXPECT_EQ(Lancer(selfplay + "--deals 20 --seed 1 --trace /dev/null").first, 0);
  // /dev/full fails every write. The first deal of seed 2 is passed out: its short line stays in
  // the stream's buffer, and its loss shows only when the trace is closed.
  const auto [code, texte] = Lancer(selfplay + "--deals 1 --seed 2 --trace /dev/full");
  EXPECT_TRUE(code == 1 && texte.find("cannot write the trace /dev/full") != std::string::npos) << code << texte;
  for (const auto& [arguments, message] : {std::pair{"--deals 2 --seed 1 --trace ''", "--trace needs a file"},
                                           {"--chaos 5 --seed 1 --trace x", "do not go with --chaos"},
                                           {"--chaos 5 --seed 1 --deals 5", "do not go with --chaos"}}) {
    const auto [refus, raison] = Lancer(selfplay + arguments);
    EXPECT_TRUE(refus == 2 && raison.find(message) != std::string::npos) << refus << raison;
  }
}

TEST(Programmes, DrawingToolNamesTheFileItCouldNotWrite) {
  const std::string cartes = MIRVANE_CARTES;
  const std::filesystem::path dossier = testing::TempDir() + "mirvane-cartes-" + std::to_string(getpid());
  std::filesystem::create_directories(dossier);
  std::filesystem::create_symlink("/dev/full", dossier / "atout-07.png");
  const auto [code, texte] = Lancer(cartes + " " + dossier.string());
  EXPECT_TRUE(code == 1 && texte.find("cannot write " + (dossier / "atout-07.png").string()) != std::string::npos)
      << code << texte;
  std::filesystem::remove(dossier / "atout-07.png");
  EXPECT_EQ(Lancer(cartes + " " + dossier.string()).first, 0);
  int pleins = 0;
  for (const auto& f : std::filesystem::directory_iterator(dossier)) pleins += f.file_size() > 0;
  EXPECT_EQ(pleins, 80);
  // A contact sheet is larger than the file's buffer: its loss shows at the write itself.
  std::filesystem::create_symlink("/dev/full", dossier / "planche-faces.png");
  EXPECT_EQ(Lancer(cartes + " --planches " + dossier.string()).first, 1);
  std::filesystem::remove_all(dossier);
  // Without a folder it writes nowhere.
  EXPECT_EQ(Lancer(cartes).first, 2);
}

}  // namespace
