// The things a pupil sells in practice with pictures, drawn by the program
// as simple shapes: an apple, a pencil, a book, a ball …
#ifndef RESTOMER_PRINT_ITEM_DRAWING_H_
#define RESTOMER_PRINT_ITEM_DRAWING_H_

#include <QPainter>
#include <QRectF>
#include <string_view>

namespace restomer {

// Draws the thing of that key (one of PictureItems()) into `rect`, square.
// Returns false for a key it has no picture of.
bool paintItem(QPainter& painter, const QRectF& rect, std::string_view key);

}  // namespace restomer

#endif  // RESTOMER_PRINT_ITEM_DRAWING_H_
