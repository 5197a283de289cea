// The command line as the programs read it: a value after a blank or "=", every wrong form one
// line that says what is wrong; the language from --lang, else the locale, else the brand rule,
// and the program's own sentences in it; the exit statuses the same in --help and the README.
#include <gtest/gtest.h>

#include <QFile>
#include <QtGlobal>

#include "cli/cli_main.h"
#include "cli/help_text.h"
#include "cli/language_choice.h"
#include "l10n/languages.h"
#include "tests/cli/cli_harness.h"

namespace nobrix::testing {
namespace {

const std::pair<std::vector<std::string>, std::string> kOptionsCases[] = {
    {{"update", "--serial=A", "--serial", "B", "--lang=de"}, ""},
    {{"history", "--since=2026-12-01", "--until", "2026-12-09T10:00Z", "--serial=A"}, ""},
    {{"--clock=realtime", "--scenario", "unusable", "list"}, ""},
    {{"update", "--serial", ""}, "--serial needs a value"},
    {{"history", "--since="}, "--since needs a value"},
    {{"list", "--lang"}, "Missing value after '--lang'"},
    {{"list", "--lang=it"}, "unknown language 'it'"},
    {{"update", "--all=yes"}, "Unexpected value after '--all'"},
    {{"update", "--all", "list"}, "unexpected argument 'list'"},
    {{"updat", "--all"}, "unknown command 'updat'"},
    {{"update", "--all", "--clock", "fast"}, "--clock is virtual, compressed or realtime"},
};

TEST(CommandLine, ValuesFollowABlankOrAnEqualsSignAndEveryWrongFormSaysWhat) {
  for (const auto& [arguments, problem] : kOptionsCases) {
    cli::CliOptions options;
    std::string error;
    EXPECT_EQ(cli::parseCliOptions(arguments, cli::Variant::Sim, options, error), problem.empty());
    EXPECT_NE(error.find(problem), std::string::npos) << problem << ": " << error;
  }
  cli::CliOptions options;
  std::string error;
  ASSERT_TRUE(cli::parseCliOptions(kOptionsCases[0].first, cli::Variant::Sim, options, error));
  EXPECT_EQ(options.serials, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(options.language, l10n::kGerman);

  platform::sim::SimBus bus;
  ImageResources resources(kCliImageBytes);
  const CliOutcome usage = runCliOn(bus, bus, resources, {"update", "--serial", ""});
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_EQ(usage.err,
            "NobrixVUZ-cli-sim: --serial needs a value\n"
            "Try 'NobrixVUZ-cli-sim --help' for more information.\n");
}

TEST(CommandLine, TheLanguageComesFromTheLocaleOfMessagesAsTheCLibraryChoosesIt) {
  using Locale = std::array<const char*, 3>;  // LC_ALL, LC_MESSAGES, LANG
  const std::pair<Locale, std::optional<int>> cases[] = {
      {{nullptr, nullptr, "de_DE.UTF-8"}, l10n::kGerman},
      {{nullptr, "fr_CA.UTF-8", "de_DE.UTF-8"}, l10n::kFrench},
      {{"es_ES@euro", "fr_FR", "de_DE"}, l10n::kSpanish},
      {{"", nullptr, "EN_us"}, l10n::kEnglish},
      {{"C", nullptr, "de_DE.UTF-8"}, std::nullopt},  // none: the brand rule's
      {{nullptr, nullptr, "it_IT.UTF-8"}, std::nullopt},
  };
  for (const auto& [locale, language] : cases) {
    EXPECT_EQ(cli::languageOfEnvironment([&locale](std::string_view name) {
                return locale[name == "LC_ALL" ? 0 : name == "LC_MESSAGES" ? 1 : 2];
              }),
              language);
  }
  // The program reads its own environment, and --lang comes first.
  ASSERT_TRUE(qputenv("LC_ALL", "fr_FR.UTF-8"));
  char program[] = "NobrixVUZ-cli-sim", list[] = "list", lang[] = "--lang=es";
  char* arguments[] = {program, list, lang};
  cli::CliOptions fromLocale, fromOption;
  EXPECT_FALSE(cli::parseCommandLine(2, arguments, cli::Variant::Sim, fromLocale));
  EXPECT_FALSE(cli::parseCommandLine(3, arguments, cli::Variant::Sim, fromOption));
  qunsetenv("LC_ALL");
  EXPECT_EQ(fromLocale.language, l10n::kFrench);
  EXPECT_EQ(fromOption.language, l10n::kSpanish);
}

TEST(CommandLine, TheProgramsOwnSentencesSpeakTheLanguageOfTheRun) {
  ImageResources resources(kCliImageBytes);
  auto waiting = scenarioBus("left-in-flash-mode", resources);
  const CliOutcome german = runCliOn(*waiting, *waiting, resources, {"update", "--all"});
  EXPECT_NE(german.err.find("CN53A1B007 ist im Flash-Modus"), std::string::npos) << german.err;
  platform::sim::SimBus empty;
  const CliOutcome french = runCliOn(empty, empty, resources, {"list", "--lang", "fr"});
  EXPECT_EQ(french.exitCode, 3);
  EXPECT_EQ(french.err, "Aucune imprimante prise en charge n'est connectée.\n");
}

// Automation reads the exit statuses in the README: word for word those of --help, and so of the
// manual page that help2man makes from it.
TEST(CommandLine, TheReadmeListsTheExitStatusesOfHelp) {
  QFile readme(QStringLiteral(NOBRIX_README));
  ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
  const QString statuses = QString::fromStdString(cli::exitStatusText()).simplified();
  EXPECT_TRUE(QString::fromUtf8(readme.readAll()).simplified().contains(statuses));
}

}  // namespace
}  // namespace nobrix::testing
