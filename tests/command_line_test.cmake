# Runs the program with each command line below, with no display at all, and
# checks its exit status, standard output and standard error. Usage:
#   cmake -DPROGRAM=path/to/restomer [-DEMULATOR=wine] -P command_line_test.cmake
# Each row: arguments (","-separated) | status | stdout regex | stderr regex
set(rows
  "--help|0|^Употреба: [^ ]*restomer(\\.exe)? \\[опции\\].*Опции:.*-h, --help +Показва тази помощ.*--currency <валута> +Банкнотите и монетите: lev или euro.*--practice +Упражнение.*--seed <число>.*--level <ниво>.*--tasks <брой>.*--results <файл>.*--name <име>|"
  "-h|0|^Употреба: |"
  "--version|0|^Restomer 1.00\n$|"
  "-v|0|^Restomer 1.00\n$|"
  "--currency=dollar|2|^$|restomer: Непозната валута „dollar“: може да бъде lev или euro.\n$"
  "--currency|2|^$|restomer: Липсва стойност след „--currency“.\n$"
  "--colour=red|2|^$|restomer: Непозната опция „--colour“.\n$"
  "-bogus,--wrong|2|^$|restomer: Непознати опции: „-bogus“, „--wrong“.\n$"
  "-platform,offscreen,-style=Fusion,--version|0|^Restomer 1.00\n$|"
  "-practice,--seed=x1|2|^$|restomer: Стойността на --seed „x1“"
  "--currency=euro,extra|2|^$|restomer: Излишен аргумент „extra“.\n$"
  "--seed=5|2|^$|restomer: --seed е само за упражнението \\(--practice\\) и работния лист \\(--worksheet\\).\n$"
  "--level=2|2|^$|restomer: --level е само за упражнението"
  "--name=Иван|2|^$|restomer: --name е само за упражнението: добавете --practice.\n$"
  "--practice,--level=0|2|^$|„0“ не е цяло число от 1 до 5.\n$"
  "--practice,--tasks=101|2|^$|„101“ не е цяло число от 0 до 100.\n$"
  "--informatics,--practice,--level=6|2|^$|„6“ не е цяло число от 1 до 5.\n$"
  "--worksheet=/no such folder/лист.pdf|2|^$|restomer: Работният лист „.no such folder.лист.pdf“ не може да бъде записан: [^.]+\\.\n$"
  "--worksheet=worksheet-test.pdf,--currency=euro,--level=5,--tasks=3|0|^$|"
  "--worksheet=worksheet-test.pdf,--tasks=0|0|^$|"
  "--practice,--results=.|2|^$|restomer: Файлът с резултатите „.“ не може да бъде създаден: това е папка.\n$"
  "--practice,--seed=-1|2|^$|restomer: Стойността на --seed „-1“ не е цяло число от 0 до 18446744073709551615.\n$"
  "--practice,--seed=18446744073709551616|2|^$|„18446744073709551616“ не е цяло число"
  "--practice,--seed=x1|2|^$|„x1“ не е цяло число"
  "--help|0|--teacher +Прозорецът на учителя.*--ask-name +Упражнението пита.*урок.restomer +Урок|"
  "--worksheet=|2|^$|restomer: --worksheet иска име на файл.\n$"
  "--teacher,--practice|2|^$|restomer: --teacher не върви с --practice и --worksheet.\n$"
  "няма-го.restomer|2|^$|restomer: Урокът „няма-го.restomer“ не може да бъде прочетен: .+\n$"
  "lesson-test.restomer,--tasks=2,--worksheet=lesson-test.pdf|0|^$|"
  "--report=report-test.pdf|2|^$|restomer: --report иска файл с резултати: "
  "--report=report-test.xlsx,няма.csv|2|^$|restomer: Файлът с резултатите „няма.csv“ не може да бъде прочетен: [^.]+\\.\n$"
  "--report=report-test.txt,lesson-results-test.restomer|2|^$|трябва да е .pdf или .xlsx.\n$"
  "--report=report-test.xlsx,lesson-test.restomer|2|^$|restomer: Урокът „lesson-test.restomer“ няма файл с резултати.\n$"
  "--report=report-test.xlsx,lesson-results-test.restomer|0|^$|"
  "--report=report-test.pdf,neither-test.csv|2|^$|restomer: „neither-test.csv“ не е нито файл с резултати, нито урок.\n$"
  "--overview=neither-test.csv|2|^$|restomer: „neither-test.csv“ не е нито файл с резултати, нито урок.\n$"
  "--overview=|2|^$|restomer: --overview иска име на файл.\n$"
  "--coins=4 3 1,--amount=6|0|^Монети: 4, 3, 1.\nАлчният начин: 6 = 4 \\+ 1 \\+ 1, 3 бройки.\nНай-малко бройки: 6 = 3 \\+ 3, 2 бройки.\nТук алчният начин не дава най-малко бройки: дава 1 бройка повече.\n$|^$"
  "--coins=1 5 12|0|най-малката сума, при която греши, е 15.\nАлчният начин: 15 = 12 \\+ 1 \\+ 1 \\+ 1, 4 бройки.\nНай-малко бройки: 15 = 5 \\+ 5 \\+ 5, 3 бройки.\n$|^$"
  "--coins=25 10 5 1|0|Доказано: алчният начин винаги дава най-малко бройки \\(проверени са всички суми до 34,|^$"
  "--coins=4 2|0|За всички суми до 10000, които могат да се платят, алчният начин дава най-малко бройки. Без монета 1 това е проверка, не доказателство.\nМогат да се платят само суми, които се делят на 2.\n$|^$"
  "--coins=4 3,--amount=6|0|Алчният начин: 6 не може да се плати.\nНай-малко бройки: 6 = 3 \\+ 3, 2 бройки.\nТук алчният начин не успява, а сумата може да се плати.\n$|^$"
  "--coins=1 5,--amount=700|0|: 700 = 140 × 5, 140 бройки.\n|^$"
  "--coins=5 3|0|\nНе могат да се платят сумите 1, 2, 4 и 7.\nАлчният начин: 6 не може да се плати.\n|^$"
  "--coins=15 10 6|0|\nНе могат да се платят сумите 1, 2, 3, 4, 5, 7, 8, 9, 11, 13, 14, 17 и други.\n|^$"
  "--coins=10 4|0|\nМогат да се платят само суми, които се делят на 2.\n|^$"
  "--coins=300000 299999|0|\nНе могат да се платят сумите 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 и други.\n|^$"
  "--coins=4 4|2|^$|restomer: Монетата 4 е дадена два пъти.\n$"
  "--coins=1 x|2|^$|restomer: „x“ не е стойност на монета: цяло число от 1 до 1000000.\n$"
  "--coins=1,--amount=1000001|2|^$|restomer: Стойността на --amount „1000001“ не е цяло число от 0 до 1000000.\n$"
  "--coins=1000000 999999|2|^$|restomer: Проверката на тези монети стига до сумата 1999999, а най-много е 1000000.\n$"
  "--coins=1 3,--practice|2|^$|restomer: --coins не върви с --practice.\n$"
  "--amount=6|2|^$|restomer: --amount върви само с --coins.\n$"
  "--worksheet=informatics-test.pdf,--informatics,--level=5,--tasks=3|0|^$|"
  "--worksheet=informatics-test.pdf,coins-test.restomer|0|^$|"
  "--informatics,--teacher|2|^$|restomer: --informatics не върви с --teacher.\n$"
  "--pictures,--informatics|2|^$|restomer: --informatics не върви с --pictures.\n$"
  "--pictures,--level=9|2|^$|„9“ не е цяло число от 1 до 8.\n$"
  "pictures-test.restomer,--level=9|2|^$|„9“ не е цяло число от 1 до 8.\n$"
  "--worksheet=pictures-test.pdf,--pictures,--currency=euro,--level=2,--tasks=3|0|^$|"
  "pictures-test.restomer,--worksheet=pictures-test.pdf|0|^$|"
  "kind-test.restomer|2|^$|Kind=dots — видът може да бъде purchases, pictures или informatics.\n$"
  "--report=slips-test.pdf,--per-pupil,lesson-results-test.restomer,results-test.csv|0|^$|"
  "--report=slips-test.xlsx,--per-pupil,results-test.csv|2|^$|restomer: Листчетата „slips-test.xlsx“ трябва да са .pdf.\n$"
  "--per-pupil|2|^$|restomer: --per-pupil върви само с --report.\n$"
  "--overview=results-test.csv,--per-pupil|2|^$|restomer: --per-pupil върви само с --report.\n$"
  "--report=report-test.pdf,results-test.csv,neither-test.csv|2|^$|restomer: „neither-test.csv“ не е нито файл с резултати, нито урок.\n$"
  "--report=report-test.xlsx,class-test,results-test.csv|0|^$|"
)
# The lesson file whose worksheet a row above writes.
file(WRITE lesson-test.restomer "[Lesson]\nLevel=1\nSeed=5\n")
# Lessons of practice with pictures, and of a kind there is not.
file(WRITE pictures-test.restomer "[Lesson]\nKind=pictures\nLevel=8\n")
file(WRITE kind-test.restomer "[Lesson]\nKind=dots\n")
# A lesson of a coin system, whose worksheet is an informatics one.
file(WRITE coins-test.restomer "[Lesson]\nCoins=300000 299999\nSeed=5\n")
# A lesson with its results file, before any pupil's row, and a file that is
# neither a lesson nor results.
file(WRITE lesson-results-test.restomer "[Lesson]\nResults=results-test.csv\n")
file(WRITE results-test.csv "време,потребител,име,валута,ниво,начално число,кръг,задача,цена,платено,написано ресто,отбелязани,ресто,най-малко бройки,оценка\r\n")
file(WRITE neither-test.csv "дата,ученик\r\n2026-12-09,Иван\r\n")
# A class's folder: a lesson's folder with its results, and notes beside it.
file(MAKE_DIRECTORY class-test/урок-1)
file(COPY_FILE results-test.csv class-test/урок-1/results-test.csv)
file(COPY_FILE neither-test.csv class-test/notes.csv)
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 arguments)
  list(GET fields 1 expected_status)
  list(GET fields 2 expected_out)
  list(LENGTH fields count)
  set(expected_err "")
  if(count GREATER 3)
    list(GET fields 3 expected_err)
  endif()
  string(REPLACE "," ";" arguments "${arguments}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${EMULATOR} ${PROGRAM} ${arguments}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  # Windows writes its line ends as CR LF.
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
  if(NOT status STREQUAL expected_status OR NOT out MATCHES "${expected_out}"
     OR NOT err MATCHES "${expected_err}")
    message(SEND_ERROR "restomer ${arguments}: status ${status}\n--- stdout:\n${out}--- stderr:\n${err}")
  endif()
endforeach()
# A worksheet written with no display is a PDF, its text in embedded fonts,
# on Windows as on Linux.
find_program(PDFTOTEXT pdftotext)
find_program(PDFFONTS pdffonts)
foreach(pdf worksheet-test.pdf lesson-test.pdf)
  file(READ ${pdf} start LIMIT 5)
  if(NOT start MATCHES "^%PDF-")
    message(SEND_ERROR "restomer --worksheet wrote no PDF in ${pdf}")
  elseif(PDFTOTEXT AND PDFFONTS)
    execute_process(COMMAND ${PDFTOTEXT} ${pdf} - OUTPUT_VARIABLE text)
    execute_process(COMMAND ${PDFFONTS} ${pdf} OUTPUT_VARIABLE fonts)
    if(NOT text MATCHES "1\\. Клиентът купува за .*стр\\. 1 от" OR NOT fonts MATCHES "Liberation.* yes ")
      message(SEND_ERROR "${pdf} has no text or no embedded font:\n${text}\n${fonts}")
    endif()
  endif()
endforeach()
