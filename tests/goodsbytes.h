#pragma once

#include <QByteArray>

// Bytes of the goods template's widths and titles, as the saved book repeats them.
inline const QByteArray kGoodsHead =
    "cw 0,40\r\ncw 1,80\r\ncw 2,150\r\ncw 3,120\r\ncw 4,120\r\ncw 5,100\r\ncw 6,120\r\ncw 7,60\r\ncw 8,150\r\n"
    "cw 9,120\r\ncw 10,150\r\ncw 11,150\r\ncw 12,120\r\ncw 13,120\r\n"
    "0,0,R. br.\r\n1,0,Datum unosa podataka\r\n2,0,Oznaka i datum isprave\r\n3,0,Naziv tvrtke nerezidenta\r\n"
    "4,0,Zemlja sjedi\x9Ata nerezidenta\r\n5,0,Ugovorena vrijednost posla\r\n6,0,Naznaka\r\n7,0,Postotak provizije\r\n"
    "8,0,Datum, iznos i na\xE8in izvr\x9A" "enog pla\xE6" "anja ili naplate\r\n"
    "9,0,Oznaka i datum odobrenja ili rje\x9A" "enja\r\n10,0,Oznaka rednog broja i godina unosa podataka\r\n"
    "11,0,Broj i datum jedinstvene car. deklaracije (JCD)\r\n"
    "12,0,Podaci o zemlji u koju se roba uvozi ili iz koje se roba izvozi\r\n13,0,Podaci o zemlji podrijetla robe\r\n";
