#include "quiz/question_bank.h"

namespace zelvarin {

// The screenshot descriptions tell a screen-reader user what the pictures drawn by
// tools/artwork show (the dialog's title, icon, English text and buttons), never which answer
// is right; keep them in step with the pictures.
//
// Every text is kept exactly as the pupil reads it: the doubled and trailing blanks, the
// straight quotation marks of question 2 and the Latin "e" that ends question 9 are part
// of the content.
const std::array<Question, kQuestionCount> QuestionBank{{
    {"Label12",
     "Посочете верният отговор за предназначението на диалоговия прозорец:",
     {"Чрез диалоговият прозорец се отправя въпрос към потребителя да бъдат ли записани "
      "промените в Document2. При отговор с натискане на бутон Yes ще последва запис, а при "
      "натискане на бутон No промените няма да бъдат съхранени. ",
      "Чрез диалоговият прозорец се отправя въпрос към потребителя наистина ли желае да "
      "затвори Document2. При отговор с натискане на бутон Yes ще последва затваряне, а при "
      "натискане на бутон No документът ще остане отворен. ",
      "Чрез диалоговият прозорец се изисква потвърждаване за изтриване на файла  Document2. "
      "При отговор с натискане на бутон Yes ще последва изтриване, а при натискане на бутон "
      "No документът няма да бъде изтрит. "},
     "aa",
     "screenshots/question_00.bmp",
     321,
     115,
     "Прозорец „Microsoft Office Word“ с жълт предупредителен триъгълник и текст на "
     "английски: „Do you want to save the changes to Document2?“. Бутони: Yes, No и "
     "Cancel."},
    {"Label11",
     "При преименуване на папка се появява горното съобщение, ако:",
     {"папката се намира на CD ROM;", "съществува папка с нововъведеното име;",
      "папката е защитена от запис и триене."},
     "bb",
     "screenshots/question_01.bmp",
     590,
     126,
     "Прозорец „Error Renaming File or Folder“ с червен кръг за грешка и текст на "
     "английски: „Cannot rename New Folder: A file with the name you specified already "
     "exists. Specify a different file name.“. Бутон: OK."},
    {"Label10",
     "При опит за преместване на файл Doc1 се появява горното съобщение. Причината за това е, "
     "че:",
     {"файлът се използва от друга програма;", "файлът е с включен атрибут \"само за четене\";",
      "файлът е заразен с вирус."},
     "bb",
     "screenshots/question_02.bmp",
     419,
     138,
     "Прозорец „Confirm File Move“ с икона на документ и текст на английски: „The file "
     "'Doc1' is a read-only file. Are you sure you want to move it?“. Бутони: Yes и "
     "No."},
    {"Label9",
     "Диалоговият прозорец изисква от потребителя:",
     {"потвърждаване за преместване на папка Install и нейното съдържание;",
      "потвърждаване за копиране на папка Install и нейното съдържание;",
      "потвърждаване за изтриване на папка Install и нейното съдържание."},
     "cc",
     "screenshots/question_03.bmp",
     419,
     159,
     "Прозорец „Confirm Folder Delete“ с икона на кошче и текст на английски: „Are you "
     "sure you want to remove the folder 'Install' and move all its contents to the "
     "Recycle Bin?“. Бутони: Yes и No."},
    {"Label8",
     "Този прозорец информира потребителя, че се извършва:",
     {"копиране на файл SPFile6.doc;", "преместване на файл SPFile6.doc;",
      "изтриване на файл SPFile6.doc."},
     "aa",
     "screenshots/question_04.bmp",
     381,
     169,
     "Прозорец „Copying...“: лист хартия прелита между две папки, под тях файлът "
     "SPFile6.doc и текстът „From 'Reports' to 'Archive'“, зелена лента за напредъка и "
     "„6 Seconds Remaining“. Бутон: Cancel."},
    {"Label19",
     "Ако при опит за стартиране на програма чрез икона-препратка се появи съобщението, то:",
     {"препратката към програмата не е актуална (файлът е преместен или изтрит);",
      "програмата е заразена с компютърен вирус;",
      "компютърът предупреждава, че трябва да се изчака краят на друга програма."},
     "aa",
     "screenshots/question_05.bmp",
     348,
     144,
     "Прозорец „Missing Shortcut“ с икона на лупа и текст на английски: „Windows is "
     "searching for PAINT.EXE. To locate the file yourself, click Browse.“. Бутони: "
     "Browse... и Cancel."},
    {"Label7",
     "Диалоговият прозорец се появява при:",
     {"грешка в операционната система;", "включване на компютъра;", "изключване на компютъра."},
     "cc",
     "screenshots/question_06.bmp",
     314,
     200,
     "Синият прозорец „Turn off computer“ с три големи кръгли бутона: Stand By, Turn "
     "Off и Restart. Отдолу бутон Cancel."},
    {"Label6",
     "Коя е причината за появата на съобщението, при опит за четене от флопидисково "
     "устройство? ",
     {"Дискетата е защитена от запис.", "Във флопито не е поставена дискета.",
      "Дискетата е поставена неправилно във флопито."},
     "bb",
     "screenshots/question_07.bmp",
     347,
     144,
     "Прозорец „Insert disk“ с икона на флопидисково устройство и текст на английски: "
     "„Please insert a disk into drive A:.“. Бутон: Cancel."},
    {"Label5",
     "Появата на този прозорец означава, че:",
     {"в момента се извършва копиране на файл Tirmeka.doc в папка RVT;",
      "в момента се извършва изтриване на файл Tirmeka.doc от папка RVT;",
      "в момента се извършва преместване на файл Tirmeka.doc в папка RVT."},
     "bb",
     "screenshots/question_08.bmp",
     381,
     169,
     "Прозорец „Deleting...“: лист хартия прелита от папка към кошчето, под тях файлът "
     "Tirmeka.doc и текстът „From 'RVT'“, зелена лента за напредъка и „2 Seconds "
     "Remaining“. Бутон: Cancel."},
    {"Label4",
     // The last word is the Latin letter e, not the Cyrillic е.
     "Причината за появата на съобщението при преместване на файла Doc1 e:",
     {"файлът се използва от програмата Word и не може да бъде преместван;",
      "файлът е защитен от запис, триене и преименуване;",
      "на указаното място за преместване вече съществува файл с име Doc1."},
     "aa",
     "screenshots/question_09.bmp",
     375,
     159,
     "Прозорец „Error Moving File or Folder“ с червен кръг за грешка и текст на "
     "английски: „Cannot move Doc1: It is being used by Microsoft Office Word. Close "
     "any programs that might be using the file and try again.“. Бутон: OK."},
    {"Label18",
     "Диалоговият прозорец се отваря при:",
     {"преименуване на файлове или папки и предназначението му е за определяне на файла за "
      "преименуване;",
      "преместване на файлове или папки и предназначението му е за определяне на мястото за "
      "преместване;",
      "копиране на файлове или папки и предназначението му е за определяне на мястото за "
      "копиране."},
     "cc",
     "screenshots/question_10.bmp",
     331,
     317,
     "Прозорец „Copy Items“ с текст на английски „Select the place where you want to "
     "copy 'Doc1'. Then click the Copy button.“ и дърво от папки: Desktop, My "
     "Documents, My Computer с 3½ Floppy (A:), Local Disk (C:), DVD Drive (D:) и "
     "Shared Documents, и My Network Places. Бутони: Make New Folder, Copy и Cancel."},
    {"Label17",
     "Диалоговият   прозорец   се   отваря   при:",
     {"преместване на файлове и папки, и предназначението му е за избор на мястото за "
      "преместване;",
      "копиране на файлове и папки, и предназначението му е за избор на мястото за копиране;",
      "преименуване на файлове и предназначението му е за избор на файла за преименуване."},
     "aa",
     "screenshots/question_11.bmp",
     332,
     314,
     "Прозорец „Move Items“ с текст на английски „Select the place where you want to "
     "move 'Doc1'. Then click the Move button.“ и дърво от папки: Desktop, My "
     "Documents, My Computer с 3½ Floppy (A:), Local Disk (C:), DVD Drive (D:) и "
     "Shared Documents, и My Network Places. Бутони: Make New Folder, Move и Cancel."},
    {"Label20",
     "При работа с програмата Word този прозорец ще се появи при:",
     {"опит за отваряне на несъществуващ файл;",
      "опит за запис на работния документ, ако в указаната папка и устройство вече има файл с "
      "избраното име;",
      "замяна на един текст с друг."},
     "bb",
     "screenshots/question_12.bmp",
     351,
     172,
     "Прозорец „Microsoft Office Word“ с жълт предупредителен триъгълник и текст на "
     "английски: „A file named 'doc1.doc' already exists in this location. What do you "
     "want to do?“. Три възможности: Replace existing file (избрана), Save changes "
     "with a different name и Merge changes into existing file. Бутони: OK и Cancel."},
    {"Label16",
     "Диалоговият прозорец изисква от потребителя:",
     {"потвърждаване за изтриване на два файла с едно и също име;",
      "потвърждаване за преименуване на файла Doc1;",
      "потвърждаване за презапис на съществуващ файл с друг файл със същото име и тип."},
     "cc",
     "screenshots/question_13.bmp",
     426,
     261,
     "Прозорец „Confirm File Replace“ с икона на папка и текст на английски: „This "
     "folder already contains a file named 'Doc1'. Would you like to replace the "
     "existing file“ (24,5 KB, променен на 14 март 2008 в 10:12) „with this one?“ "
     "(26,0 KB, променен на 2 април 2008 в 09:47). Бутони: Yes и No."},
    {"Label15",
     "Предназначението на диалоговият прозорец е за:",
     {"потвърждаване за презапис на файл;", "потвърждаване за изтриването на файл;",
      "потвърждаване за промяна на разширението на файл."},
     "cc",
     "screenshots/question_14.bmp",
     401,
     133,
     "Прозорец „Rename“ с жълт предупредителен триъгълник и текст на английски: „If "
     "you change a file name extension, the file may become unusable. Are you sure you "
     "want to change it?“. Бутони: Yes и No."},
    {"Label14",
     "Причината за появата на диалоговият прозорец е:",
     {"файлът Document.abc е повреден и не може да бъде отворен;",
      "Windows  не открива програма, с която е създаден файла Document.abc и с която този "
      "документ може да бъде отворен. Потребителят може да избере дали да се потърси програма "
      "в Интернет или да посочи програма от своя компютър;",
      "файлът Document.abc не може да бъде намерен на работното устройство. Потребителят "
      "трябва да реши дали да се претърсят всички устройства или да посочи конкретно "
      "устройство."},
     "bb",
     "screenshots/question_15.bmp",
     425,
     269,
     "Прозорец „Windows“ с текст на английски: „Windows cannot open this file: File: "
     "Document.abc. To open this file, Windows needs to know what program created it. "
     "Windows can go online to look it up automatically, or you can manually select "
     "from a list of programs that are installed on your computer. What do you want to "
     "do?“. Две възможности: Use the Web service to find the appropriate program "
     "(избрана) и Select the program from a list. Бутони: OK и Cancel."},
    {"Label13",
     "Причината да се появи съобщението при запис върху дискета е:",
     {"на дискетата няма достатъчно пространство за запис на необходимата информация;",
      "дискетата е защитена за запис и триене;", "не е поставена дискета в устройството."},
     "bb",
     "screenshots/question_16.bmp",
     326,
     133,
     "Прозорец „Error Copying File or Folder“ с червен кръг за грешка и текст на "
     "английски: „Cannot copy Doc1: The disk is write-protected. Remove the "
     "write-protection or use another disk.“. Бутон: OK."},
}};

} // namespace zelvarin
