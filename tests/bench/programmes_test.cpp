// The self-play and the drawing tool, run as a user would: a write that fails, or an argument
// that would be ignored, shows in the exit status and on stderr.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

namespace {

struct Resultat {
  int statut;
  std::string texte;  // stdout and stderr together, unless the command sends stdout elsewhere
};

// Runs a command through the shell, in the C locale so that the system's reasons read in English.
Resultat Lancer(const std::string& commande) {
  FILE* f = popen(("(export LC_ALL=C; " + commande + ") 2>&1").c_str(), "r");
  std::string texte;
  char tampon[4096];
  for (size_t n; (n = std::fread(tampon, 1, sizeof tampon, f)) > 0;) texte.append(tampon, n);
  const int statut = pclose(f);
  return {WIFEXITED(statut) ? WEXITSTATUS(statut) : -1, texte};
}

void Verifier(const Resultat& r, int statut, const std::string& message) {
  EXPECT_EQ(r.statut, statut) << "the run that should say \"" << message << "\": " << r.texte;
  EXPECT_NE(r.texte.find(message), std::string::npos) << "no \"" << message << "\" in: " << r.texte;
}

TEST(Programmes, SelfplayReportsAFullDiskOrOutputAndRefusesWhatItWouldIgnore) {
  const std::string selfplay = std::string(MIRVANE_SELFPLAY) + " --level 4 ";
  EXPECT_EQ(Lancer(selfplay + "--deals 20 --seed 1 --trace /dev/null").statut, 0);
  // /dev/full fails every write. The first deal of seed 2 is passed out: its short line stays in
  // the stream's buffer, and its loss shows only when the trace is closed.
  Verifier(Lancer(selfplay + "--deals 1 --seed 2 --trace /dev/full"), 1, "cannot write the trace /dev/full");
  // The report, the run's signature included, is lost on a full standard output.
  const std::string sortiePleine = std::string("cannot write the standard output: ") + std::strerror(ENOSPC);
  Verifier(Lancer(selfplay + "--deals 1 --seed 1 > /dev/full"), 1, sortiePleine);
  Verifier(Lancer(selfplay + "--chaos 5 --seed 1 > /dev/full"), 1, sortiePleine);
  for (const auto& [arguments, message] : {std::pair{"--deals 2 --seed 1 --trace ''", "--trace needs a file"},
                                           {"--chaos 5 --seed 1 --trace x", "do not go with --chaos"},
                                           {"--chaos 5 --seed 1 --deals 5", "do not go with --chaos"}})
    Verifier(Lancer(selfplay + arguments), 2, message);
}

TEST(Programmes, DrawingToolWritesEachFileWholeOrNotAtAllAndSaysWhy) {
  const std::string cartes = std::string(MIRVANE_CARTES) + " ";
  const std::filesystem::path dossier = testing::TempDir() + "mirvane-cartes-" + std::to_string(getpid());
  const std::filesystem::path face = dossier / "atout-01.png";
  std::filesystem::create_directories(dossier);
  // A full disk, as a limit on the size of a file (4 or 8 KB as the shell counts, less than the
  // first face): a write past it fails with EFBIG instead of killing the program.
  const std::string limite = "trap '' XFSZ; ulimit -f 8; ";
  std::ofstream(face) << "old";
  Verifier(Lancer(limite + cartes + dossier.string()), 1,
           "cannot write " + face.string() + ": " + std::strerror(EFBIG));
  EXPECT_EQ(std::filesystem::file_size(face), 3u) << "the face there before is left whole";
  Verifier(Lancer(limite + cartes + "--planches " + dossier.string()), 1, std::strerror(EFBIG));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier), std::filesystem::directory_iterator()), 1)
      << "no cut file and no temporary file are left behind";
  // A FIFO in a face's place is refused without being opened (status 124: the run blocked).
  const std::filesystem::path fifo = dossier / "atout-07.png";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  Verifier(Lancer("timeout 60 " + cartes + dossier.string()), 1,
           "cannot write " + fifo.string() + ": not a regular file");
  std::filesystem::remove(fifo);
  EXPECT_EQ(Lancer(cartes + dossier.string()).statut, 0);
  int pleins = 0;
  for (const auto& f : std::filesystem::directory_iterator(dossier)) pleins += f.file_size() > 0;
  EXPECT_EQ(pleins, 80);
  Verifier(Lancer(cartes + dossier.string() + " > /dev/full"), 1, "cannot write the standard output");
  std::filesystem::remove_all(dossier);
  // Without a folder it writes nowhere.
  EXPECT_EQ(Lancer(cartes).statut, 2);
}

}  // namespace
