// Banknotes and coins as the program draws them: stylised tokens with the
// real pieces' relative sizes and main colours and their value in large
// figures, never a likeness of a real coin or note (no national side,
// portrait, building, map, serial number or security feature). The window's
// till and counter and the worksheets draw them the same way.
#ifndef RESTOMER_PRINT_PIECE_DRAWING_H_
#define RESTOMER_PRINT_PIECE_DRAWING_H_

#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <cstdint>

#include "core/currency.h"

namespace restomer {

// The size a piece is drawn at, in millimetres: coins at their real
// diameter, banknotes at half their real size, so that both fit a till.
// Empty for a value that is no denomination of the currency.
QSizeF pieceSizeMm(const Currency& currency, std::int64_t value);

// Draws the piece of `value` hundredths into `rect`, keeping its shape.
void paintPiece(QPainter& painter, const QRectF& rect, const Currency& currency,
                std::int64_t value);

}  // namespace restomer

#endif  // RESTOMER_PRINT_PIECE_DRAWING_H_
