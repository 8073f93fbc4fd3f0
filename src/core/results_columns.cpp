#include "core/results_columns.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "core/amount_text.h"
#include "core/coin_system.h"
#include "core/conversions.h"
#include "core/typed_amount.h"

namespace restomer {
namespace {

constexpr std::string_view kFormulaStarts = "=+-@\t\r";

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& word : words) joined += (joined.empty() ? "" : " ") + word;
  return joined;
}

std::optional<int> Whole(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int64_t> Hundredths(const std::string& text) {
  return ReadTypedAmount(text, RegionalSettings{}).hundredths;
}

// The most hundredths a change or a denomination of an old file may hold:
// the breakdown counts in 32 bits.
constexpr std::int64_t kMostHundredths = INT32_MAX;

// "2×2 0.10": the pieces with their counts. Files that wrote the
// denominations alone get their counts from the change, as the seller
// hands it back, largest first.
std::optional<std::vector<Piece>> PiecesOf(const std::string& text, std::int64_t change) {
  std::vector<Piece> pieces;
  if (text.find("×") != std::string::npos) {
    for (const std::string& word : Words(text)) {
      const std::size_t times = word.find("×");
      if (times == std::string::npos) {
        pieces.push_back({word, 1});
        continue;
      }
      const std::optional<int> count = Whole(word.substr(0, times));
      if (!count) return std::nullopt;
      pieces.push_back({word.substr(times + std::string_view("×").size()), *count});
    }
    return pieces;
  }
  Coins denominations;
  for (const std::string& word : Words(text)) {
    const std::optional<std::int64_t> denomination = Hundredths(word);
    if (!denomination || *denomination <= 0 || *denomination > kMostHundredths) return std::nullopt;
    denominations.push_back(*denomination);
    pieces.push_back({word, 0});
  }
  if (pieces.empty()) return pieces;  // no change, or a task with no pieces to tick
  if (change < 0 || change > kMostHundredths) return std::nullopt;
  const std::optional<Payment> greedy = Greedy(denominations, change);
  if (!greedy) return std::nullopt;
  for (const auto& [value, count] : greedy->counts) {
    const auto piece = std::find(denominations.begin(), denominations.end(), value);
    pieces[piece - denominations.begin()].count = static_cast<int>(count);
  }
  return pieces;
}

std::optional<TaskRecord::Outcome> OutcomeOf(const std::string& text) {
  for (auto outcome :
       {TaskRecord::Outcome::kRight, TaskRecord::Outcome::kWrong, TaskRecord::Outcome::kSkipped}) {
    if (text == OutcomeText(outcome)) return outcome;
  }
  if (text == "вярно") return TaskRecord::Outcome::kRight;  // the first files' words
  if (text == "грешно") return TaskRecord::Outcome::kWrong;
  return std::nullopt;
}

// A column of text, of a whole number and of an amount in hundredths.
template <SharedText ResultRow::*field>
ResultsColumn TextColumn(ResultsColumnId id, std::string_view header, std::string_view heading,
                         CellKind kind = CellKind::kText) {
  return {id,
          header,
          {},
          heading,
          kind,
          true,
          "",
          [](const ResultRow& row) { return (row.*field).get(); },
          [](const std::string& text, ResultRow& row) {
            row.*field = text;
            return true;
          }};
}

template <int ResultRow::*field>
ResultsColumn WholeColumn(ResultsColumnId id, std::string_view header, std::string_view heading,
                          bool optional = false) {
  return {id,
          header,
          {},
          heading,
          CellKind::kWhole,
          optional,
          "",
          [](const ResultRow& row) { return std::to_string(row.*field); },
          [](const std::string& text, ResultRow& row) {
            const std::optional<int> value = Whole(text);
            if (value) row.*field = *value;
            return value.has_value();
          }};
}

template <std::int64_t ResultRow::*field>
ResultsColumn AmountColumn(ResultsColumnId id, std::string_view header, std::string_view heading) {
  return {id,
          header,
          {},
          heading,
          CellKind::kAmount,
          false,
          "",
          [](const ResultRow& row) { return AmountText(row.*field); },
          [](const std::string& text, ResultRow& row) {
            const std::optional<std::int64_t> value = Hundredths(text);
            if (value) row.*field = *value;
            return value.has_value();
          }};
}

using Id = ResultsColumnId;

const std::vector<ResultsColumn> kColumns = {
    TextColumn<&ResultRow::time>(Id::kTime, "време", "Време", CellKind::kTime),
    TextColumn<&ResultRow::login>(Id::kLogin, "потребител", "Потребител"),
    TextColumn<&ResultRow::name>(Id::kName, "име", "Име"),
    TextColumn<&ResultRow::currency>(Id::kCurrency, "валута", "Валута", CellKind::kCurrency),
    WholeColumn<&ResultRow::level>(Id::kLevel, "ниво", "Ниво"),
    {Id::kSeed,
     "начално число",
     {"начало"},
     "Начално число",
     CellKind::kText,
     true,
     "№",
     [](const ResultRow& row) { return row.seed.get(); },
     [](const std::string& text, ResultRow& row) {
       row.seed = text;
       return true;
     }},
    // Files written before rounds had one round.
    WholeColumn<&ResultRow::round>(Id::kRound, "кръг", "Кръг", true),
    WholeColumn<&ResultRow::task>(Id::kTask, "задача", "Задача"),
    AmountColumn<&ResultRow::price>(Id::kPrice, "цена", "Цена"),
    AmountColumn<&ResultRow::paid>(Id::kPaid, "платено", "Платено"),
    TextColumn<&ResultRow::typed>(Id::kTyped, "написано ресто", "Написано ресто"),
    {Id::kTicked,
     "отбелязани",
     {},
     "Отбелязани",
     CellKind::kText,
     true,
     "",
     [](const ResultRow& row) { return Joined(row.ticked); },
     [](const std::string& text, ResultRow& row) {
       row.ticked = Words(text);
       return true;
     }},
    AmountColumn<&ResultRow::change>(Id::kChange, "ресто", "Ресто"),
    // After the change: old files' pieces are counted from it.
    {Id::kPieces,
     "най-малко бройки",
     {},
     "Най-малко бройки",
     CellKind::kText,
     true,
     "",
     [](const ResultRow& row) { return PiecesText(row.pieces); },
     [](const std::string& text, ResultRow& row) {
       std::optional<std::vector<Piece>> pieces = PiecesOf(text, row.change);
       if (pieces) row.pieces = std::move(*pieces);
       return pieces.has_value();
     }},
    {Id::kOutcome,
     "оценка",
     {},
     "Оценка",
     CellKind::kText,
     false,
     "",
     [](const ResultRow& row) { return std::string(OutcomeText(row.outcome)); },
     [](const std::string& text, ResultRow& row) {
       const std::optional<TaskRecord::Outcome> outcome = OutcomeOf(text);
       if (outcome) row.outcome = *outcome;
       return outcome.has_value();
     }},
    // Files written before rows had ids and knew their computer and round.
    TextColumn<&ResultRow::computer>(Id::kComputer, "компютър", "Компютър"),
    WholeColumn<&ResultRow::round_size>(Id::kRoundSize, "задачи в кръга", "Задачи в кръга", true),
    TextColumn<&ResultRow::run>(Id::kRun, "пускане", "Пускане"),
    WholeColumn<&ResultRow::sequence>(Id::kSequence, "ред", "Ред", true),
    TextColumn<&ResultRow::lesson>(Id::kLesson, "урок", "Урок"),
    {Id::kCoins,
     "монети",
     {},
     "Монети",
     CellKind::kText,
     true,
     "",
     [](const ResultRow& row) { return row.coins.get(); },
     [](const std::string& text, ResultRow& row) {
       row.coins = text;
       if (!text.empty()) row.kind = TaskKind::kInformatics;
       return true;
     }},
    // After the coins, which tell the kind of files written before it.
    {Id::kKind,
     "вид",
     {},
     "Вид",
     CellKind::kText,
     true,
     "",
     [](const ResultRow& row) { return std::string(NameOf(row.kind).label); },
     [](const std::string& text, ResultRow& row) {
       const std::optional<TaskKind> kind = TaskKindOfLabel(text);
       if (kind) row.kind = *kind;
       return kind.has_value() || text.empty();
     }},
};

}  // namespace

const std::vector<ResultsColumn>& ResultsColumns() { return kColumns; }

const ResultsColumn* FindResultsColumn(std::string_view header) {
  for (const ResultsColumn& column : kColumns) {
    if (column.header == header ||
        std::find(column.older.begin(), column.older.end(), header) != column.older.end()) {
      return &column;
    }
  }
  return nullptr;
}

const ResultsColumn& ResultsColumnOf(ResultsColumnId id) {
  return *std::find_if(kColumns.begin(), kColumns.end(),
                       [id](const ResultsColumn& column) { return column.id == id; });
}

std::string RowId(const ResultRow& row) {
  return row.run.empty() ? std::string() : row.run + "/" + std::to_string(row.sequence);
}

std::string Defused(const std::string& field) {
  if (field.empty() || kFormulaStarts.find(field.front()) == std::string_view::npos) return field;
  return "'" + field;
}

std::string Undefused(std::string field) {
  if (field.size() > 1 && field[0] == '\'' &&
      kFormulaStarts.find(field[1]) != std::string_view::npos) {
    field.erase(0, 1);
  }
  return field;
}

std::string PiecesText(const std::vector<Piece>& pieces) {
  std::string text;
  for (const Piece& piece : pieces) {
    text += (text.empty() ? "" : " ") +
            (piece.count == 1 ? "" : std::to_string(piece.count) + "×") + piece.caption;
  }
  return text;
}

// Not "вярно", which a spreadsheet under Bulgarian settings reads as TRUE.
const char* OutcomeText(TaskRecord::Outcome outcome) {
  switch (outcome) {
    case TaskRecord::Outcome::kRight:
      return "вярна";
    case TaskRecord::Outcome::kWrong:
      return "грешна";
    case TaskRecord::Outcome::kSkipped:
      return "пропусната";
  }
  return "";
}

}  // namespace restomer
