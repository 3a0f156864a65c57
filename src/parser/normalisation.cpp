#include "parser/normalisation.h"

#include <utility>
#include <vector>

#include "parser/vocabulary.h"
#include "world/encoding.h"
#include "world/text_case.h"

namespace {

using Substitution = std::pair<std::string, std::string>;

// Contractions, compounds, spelling variants and the plain-ASCII umlauts,
// applied in this order to the padded lower-case line.
const std::vector<Substitution>& SubstitutionTable() {
  static const std::vector<Substitution> table = [] {
    const std::pair<const char*, const char*> rows[] = {
        {" automaten", " automat"},
        {" automat", " honigautomat"},
        {" schirm", " regenschirm"},
        {" leiter", " strickleiter"},
        {" horizont", " himmel"},
        {" schloß", " schloss"},
        {" rapunzelturm", " turm"},
        {" flusswasser", " wasser"},
        {" dienst", " schlüsseldienst"},
        {"glas honig", "honigglas"},
        {"flasche wein", "weinflasche"},
        {"strauß blumen", "blumenstrauß"},
        {"fußmatte", "matte"},
        {"fussmatte", "matte"},
        {"fluß", "fluss"},
        {"maussteuerung", "maus"},
        {".", " und "},
        {" im ", " in dem "},
        {" ins ", " in das "},
        {" aufs ", " auf das "},
        {" am ", " an dem "},
        {" unters ", " unter das "},
        {" untern ", " unter den "},
        {" übers ", " über die "},
        {" übern ", " über den "},
        {" hinters ", " hinter das "},
        {" hintern ", " hinter den "},
        {" ans ", " an das "},
        {" zum ", " zu dem "},
        {" zur ", " zu der "},
        {" durchs ", " durch das "},
        {" r ", " runter "},
        {" h ", " hoch "},
        {"oe", "ö"},
        {"ae", "ä"},
        {"ue", "ü"},
        // The umlaut rows above also hit words where "ue" is no umlaut.
        {"schaü", "schaue"},
        {"graü", "graue"},
        {"überqür", "überquer"},
        {"haü", "haue"},
        {"verbiege", "biege"},
        {"durchqür", "durchquer"},
        {"beqüm", "bequem"},
        {"blaü", "blaue"},
        {"maür", "mauer"},
        {"feür", "feuer"},
        {"fraün", "frauen"},
        {"hineinsehen", "sehe hinein"},
        {"hindurchsehen", "sehe durch"},
        {"aufheben", "nehmen"},
        {"mitnehmen", "nehmen"},
    };
    std::vector<Substitution> converted;
    for (const auto& [find, replacement] : rows) converted.emplace_back(Cp850(find), Cp850(replacement));
    return converted;
  }();
  return table;
}

bool IsBareMark(std::string_view line) { return line == "und" || line == "." || line == "!"; }

// The bouquet is the only flowers the player can carry: outside the meadow
// "blumen" means it. Only an article right before the replaced word goes,
// since it would not fit the masculine noun; every other article stays.
std::string ReplaceBouquetWords(std::string_view line) {
  static const std::string kBouquet = Cp850(" blumenstrauß ");
  static constexpr std::string_view kFlowers = " blumen ";
  std::string result;
  size_t start = 0;
  for (size_t hit = line.find(kFlowers); hit != std::string_view::npos; hit = line.find(kFlowers, start)) {
    result.append(line.substr(start, hit - start));
    // The word before, however many blanks stand between.
    const size_t word_end = result.find_last_not_of(' ');
    if (word_end != std::string::npos && word_end >= 3 && result[word_end - 3] == ' ') {
      const std::string_view before = std::string_view(result).substr(word_end - 2, 3);
      if (before == "die" || before == "den") result.erase(word_end - 3);
    }
    result.append(kBouquet);
    start = hit + kFlowers.size();
  }
  result.append(line.substr(start));
  return result;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  size_t start = 0;
  for (size_t hit = text.find(find); hit != std::string_view::npos; hit = text.find(find, start)) {
    result.append(text.substr(start, hit - start));
    result.append(replacement);
    start = hit + find.size();
  }
  result.append(text.substr(start));
  return result;
}

void CleanUpTypedLine(GameSession& session) {
  std::string line = " " + session.input_line + " ";
  line = ReplaceAll(line, ",", " und ");
  line = ReplaceAll(line, "!", ".");
  // One final period is dropped, also when blanks follow it. A lone mark
  // stays, so that the checks can say there is nothing to use.
  const size_t last = line.find_last_not_of(' ');
  if (last != std::string::npos && line[last] == '.' && TrimBlanks(line).size() > 1) line[last] = ' ';
  line = LowerCase(line);
  for (const auto& [find, replacement] : SubstitutionTable()) line = ReplaceAll(line, find, replacement);
  if (session.current_room != kBeeMeadow && session.bouquet_carried) line = ReplaceBouquetWords(line);
  line = TrimBlanks(line);
  // A line with a repeat word in it is never the line to repeat: "x g"
  // would otherwise repeat itself for ever.
  if (!HoldsRepeatWord(line)) session.last_command_line = line;
  session.input_line = line;
}

std::string CheckCleanedLine(GameSession& session) {
  session.line_from_program = 0;
  std::string& line = session.input_line;
  line = TrimBlanks(line);
  if (IsBareMark(line)) return Cp850("[Etwas Verwertbares konnte ich nicht finden.]");
  if (!line.empty() && !session.more_sentences_pending) {
    while (line.size() >= 2 && (line.back() == '.' || line.back() == '!')) {
      line.back() = ' ';
      line = TrimBlanks(line);
    }
  }
  if (!line.empty() && line.back() == ',') {
    return Cp850("[Du kannst eine Eingabezeile nicht mit einem Komma abschließen.]");
  }
  if (IsBareMark(line)) return Cp850("[Außer '") + line + "' konnte ich nichts Verwertbares finden.]";
  if (line.find('?') != std::string::npos) return Cp850("[Bitte keine Fragezeichen in der Eingabe verwenden.]");
  const std::string padded = " " + line + " ";
  if (padded.find(" und und ") != std::string::npos || padded.find(" und  und ") != std::string::npos) {
    return Cp850("[Bitte nicht mehrere Satzzeichen hintereinander oder vor 'und' verwenden.]");
  }
  if (line.size() > 3 && line.ends_with("und") && line[line.size() - 4] == ' ' && session.unknown_word_countdown == 0) {
    return Cp850("[Bitte kein Komma, 'und' oder mehrere Satzzeichen am Satzende eingeben.]");
  }
  return {};
}
