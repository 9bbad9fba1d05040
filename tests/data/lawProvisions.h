#pragma once

// What the bank's citations may name: the paragraphs each cited statute has
// and the sign codes of the signs decree, so that a citation cannot point at
// a paragraph or a sign that does not exist. Lists, not the statutes' text.

#include <QString>
#include <QStringList>

#include <map>

namespace law {

inline const std::map<QString, QStringList>& paragraphs() {
    static const std::map<QString, QStringList> byStatute{
        {QStringLiteral("zákona č. 361/2000 Sb."),
         QStringLiteral(
             "1 2 3 4 5 6 6a 6b 6c 7 8 8a 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 "
             "28 29 30 31 32 33 34 35 36 37 38 39 39a 39b 40 40a 41 42 43 43a 44 45 46 47 47a 48 "
             "49 50 51 52 53 54 55 56 57 58 59 60 60a 61 62 63 64 65 66 67 68 69 70 71 72 73 74 75 "
             "76 77 77a 78 79 79a 79b 80 80a 81 82 83 83a 123a 123b 123c 123d 123e 123f")
             .split(u' ')},
        {QStringLiteral("vyhlášky č. 294/2015 Sb."),
         QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 18 19 21 23").split(u' ')},
        {QStringLiteral("zákona č. 30/2024 Sb."),
         QStringLiteral("5 6 9 26 27 28 32 44").split(u' ')},
        {QStringLiteral("zákona č. 247/2000 Sb."), QStringLiteral("3 4 13").split(u' ')},
    };
    return byStatute;
}

inline const QStringList& signCodes() {
    static const QStringList codes =
        QStringLiteral("A 1a,A 1b,A 2a,A 2b,A 3,A 4,A 5a,A 5b,A 6a,A 6b,A 7a,A 7b,A 8,A 9,A 10,A "
                       "11,A 12a,A 12b,A "
                       "12c,A 13,A 14,A 15,A 16,A 17,A 18,A 19,A 20,A 21,A 22,A 23,A 24,A 25,A "
                       "26,A 27,A 28,A 29,A"
                       " 30,A 31a,A 31b,A 31c,A 32a,A 32b,A 33,A 34,B 1,B 2,B 3,B 4,B 5,B 6,B 7,B "
                       "8,B 9,B 10,B 11,"
                       "B 12,B 13,B 14,B 15,B 16,B 17,B 18,B 19,B 20a,B 20b,B 21a,B 21b,B 22a,B "
                       "22b,B 23a,B 23b,B "
                       "24a,B 24b,B 25,B 26,B 27,B 28,B 29,B 30,B 30a,B 31,B 32,B 33,B 34,C 1,C "
                       "2a,C 2b,C 2c,C 2d,"
                       "C 2e,C 2f,C 3a,C 3b,C 4a,C 4b,C 4c,C 5a,C 5b,C 6a,C 6b,C 7a,C 7b,C 8a,C "
                       "8b,C 9a,C 9b,C 10a"
                       ",C 10b,C 11a,C 11b,C 12a,C 12b,C 13a,C 13b,C 14a,C 14b,C 15a,C 15b,E 1,E "
                       "2a,E 2b,E 2c,E 2d"
                       ",E 3a,E 3b,E 4,E 5,E 6,E 7a,E 7b,E 8a,E 8b,E 8c,E 8d,E 8e,E 9,E 10,E 11a,E "
                       "11b,E 11c,E 11d"
                       ",E 11e,E 11f,E 12a,E 12b,E 12c,E 13,E 14,E 15,E 16,E 17,IJ 1,IJ 2,IJ 3,IJ "
                       "4a,IJ 4b,IJ 4c,I"
                       "J 4d,IJ 4e,IJ 5,IJ 6,IJ 7,IJ 8,IJ 9,IJ 10,IJ 11a,IJ 11b,IJ 12,IJ 13,IJ "
                       "14a,IJ 14b,IJ 14c,I"
                       "J 15,IJ 16,IJ 17a,IJ 17b,IJ 18a,IJ 18b,IJ 18c,IP 1,IP 2,IP 3,IP 4a,IP "
                       "4b,IP 4c,IP 5,IP 6,I"
                       "P 7,IP 9,IP 10a,IP 10b,IP 11a,IP 11b,IP 11c,IP 11d,IP 11e,IP 11f,IP 11g,IP "
                       "12,IP 13a,IP 13"
                       "b,IP 13c,IP 13d,IP 13e,IP 13f,IP 16,IP 17,IP 18a,IP 18b,IP 18c,IP 19,IP "
                       "20a,IP 20b,IP 21,I"
                       "P 22,IP 23a,IP 23b,IP 23c,IP 24,IP 28a,IP 28b,IP 29,IP 30,IP 31a,IP 31b,IP "
                       "32,IS 1a,IS 1b,"
                       "IS 1c,IS 1d,IS 1e,IS 1f,IS 2a,IS 2b,IS 2c,IS 2d,IS 2e,IS 2f,IS 3a,IS 3b,IS "
                       "3c,IS 4a,IS 4b,"
                       "IS 4c,IS 5,IS 6a,IS 6b,IS 6d,IS 6e,IS 6f,IS 6g,IS 7a,IS 7b,IS 8a,IS 8b,IS "
                       "9a,IS 9b,IS 9c,I"
                       "S 9d,IS 9e,IS 10a,IS 10b,IS 10c,IS 10d,IS 11a,IS 11b,IS 11c,IS 11d,IS "
                       "12a,IS 12b,IS 12c,IS"
                       " 12d,IS 13,IS 14,IS 15a,IS 15b,IS 16a,IS 16b,IS 17,IS 18a,IS 18b,IS 19a,IS "
                       "19b,IS 19c,IS 2"
                       "0,IS 21a,IS 21b,IS 21c,IS 21d,IS 22a,IS 22b,IS 22c,IS 22d,IS 22e,IS 22f,IS "
                       "23,IS 24a,IS 24"
                       "b,IS 24c,IZ 1a,IZ 1b,IZ 2a,IZ 2b,IZ 3a,IZ 3b,IZ 4a,IZ 4b,IZ 4c,IZ 4d,IZ "
                       "5a,IZ 5b,IZ 6a,IZ "
                       "6b,IZ 7a,IZ 7b,IZ 8a,IZ 8b,IZ 9a,IZ 9b,IZ 10a,IZ 10b,O 2,O 3,O 4,O 5a,O "
                       "5b,O 5c,O 6,O 7,P "
                       "1,P 2,P 3,P 4,P 5,P 6,P 7,P 8,S 1,S 2,S 3,S 4a,S 4b,S 4c,S 5,S 6,S 7,S "
                       "8a,S 8b,S 8c,S 8d,S"
                       " 8e,S 9,S 10,S 11,S 12a,S 12b,S 13,S 14a,S 14b,V 1a,V 1b,V 2a,V 2b,V 2c,V "
                       "3,V 4,V 5,V 6a,V"
                       " 6b,V 7a,V 7b,V 8a,V 8b,V 8c,V 9a,V 9b,V 9c,V 10a,V 10b,V 10c,V 10d,V "
                       "10e,V 10f,V 10g,V 11"
                       "a,V 11b,V 12a,V 12b,V 12c,V 12d,V 12e,V 13,V 14,V 15,V 16,V 17,V 18,V 19,V "
                       "20,Z 1,Z 2,Z 3,"
                       "Z 4a,Z 4b,Z 4c,Z 4d,Z 4e,Z 5a,Z 5b,Z 5c,Z 5d,Z 6a,Z 6b,Z 7,Z 8a,Z 8b,Z "
                       "8c,Z 8d,Z 9,Z 10,Z "
                       "11a,Z 11b,Z 11c,Z 11d,Z 11e,Z 11f,Z 11g,Z 11h,Z 12,Z 13")
            .split(u',');
    return codes;
}

} // namespace law
