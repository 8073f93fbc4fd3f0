#include "print/lesson_worksheet.h"

#include "print/informatics_worksheet.h"
#include "print/picture_worksheet.h"
#include "print/worksheet.h"

namespace restomer {

QString writeLessonWorksheet(const QString& path, const Lesson& lesson) {
  switch (lesson.kind) {
    case TaskKind::kInformatics:
      return writeInformaticsWorksheet(path, informaticsSheetOptionsOf(lesson));
    case TaskKind::kPictures:
      return writePictureWorksheet(path, pictureSheetOptionsOf(lesson));
    case TaskKind::kPurchases:
      break;
  }
  return writeWorksheet(path, worksheetOptionsOf(lesson));
}

}  // namespace restomer
