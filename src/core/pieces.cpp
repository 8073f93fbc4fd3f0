#include "core/pieces.h"

#include <algorithm>

namespace restomer {

PieceMistakes ComparePieces(const std::vector<std::string>& ticked,
                            const std::vector<Piece>& needed) {
  PieceMistakes mistakes;
  for (const Piece& piece : needed) {
    if (std::find(ticked.begin(), ticked.end(), piece.caption) == ticked.end()) {
      mistakes.missing.push_back(piece.caption);
    }
  }
  for (const std::string& caption : ticked) {
    if (std::none_of(needed.begin(), needed.end(),
                     [&](const Piece& piece) { return piece.caption == caption; })) {
      mistakes.unneeded.push_back(caption);
    }
  }
  return mistakes;
}

}  // namespace restomer
