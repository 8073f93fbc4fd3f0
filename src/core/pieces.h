// Banknotes and coins as counted pieces, and how a pupil's ticks compare
// with the pieces the change needs.
#ifndef RESTOMER_CORE_PIECES_H_
#define RESTOMER_CORE_PIECES_H_

#include <string>
#include <vector>

namespace restomer {

// A denomination, by its caption, and how many pieces of it.
struct Piece {
  std::string caption;
  int count;
  auto operator<=>(const Piece&) const = default;
};

// What ticks got wrong against the pieces needed: the needed denominations
// not ticked, in the order of `needed`, and the ticked ones not needed, in
// the order of `ticked`.
struct PieceMistakes {
  std::vector<std::string> missing;
  std::vector<std::string> unneeded;
};
PieceMistakes ComparePieces(const std::vector<std::string>& ticked,
                            const std::vector<Piece>& needed);

}  // namespace restomer

#endif  // RESTOMER_CORE_PIECES_H_
