#pragma once

#include <QString>

// One record of the question table, fields in their stored order.
struct Question {
    int number = 0;     // Číslo
    QString text;       // OTÁZKA
    QString answers[4]; // A, B, C, D
    QString correct;    // SPRÁVNĚ
    QString group;      // Skupina
    QString picture;    // OBRÁZEK
    QString note;       // POZNÁMKA
};
