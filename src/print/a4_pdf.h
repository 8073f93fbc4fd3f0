// The pages Restomer prints, worksheets and reports alike: A4 PDF at 300 dots
// per inch inside margins a printer keeps, written whole or not at all.
#ifndef RESTOMER_PRINT_A4_PDF_H_
#define RESTOMER_PRINT_A4_PDF_H_

#include <QString>
#include <functional>

class QPdfWriter;

namespace restomer {

inline constexpr int kPdfResolutionDpi = 300;
inline constexpr double kPdfMarginMm = 15;
// The narrowest line drawn, in points: what a printer draws solid.
inline constexpr double kPdfLinePoints = 0.6;

// Writes the PDF `title` to `path`: `draw` paints its pages and says whether
// it could. Written beside the file and renamed at the end, so a failure
// leaves no half file. Returns an empty string, or "`what` „path“ не може да
// бъде записан: reason."
QString writeA4Pdf(const QString& path, const QString& title, const QString& what,
                   const std::function<bool(QPdfWriter&)>& draw);

}  // namespace restomer

#endif  // RESTOMER_PRINT_A4_PDF_H_
