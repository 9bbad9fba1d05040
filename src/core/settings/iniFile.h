#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// An ini file of "[Section]" lines and "Key=Value" lines, as the program's
// config.ini uses it: names match without regard to case, values are
// trimmed, and the file is Windows-1250 text with CRLF line ends.
class IniFile {
  public:
    static IniFile parse(const QByteArray& bytes);
    QByteArray serialize() const;
    QStringList lines() const; // as written, without line ends

    std::optional<QString> value(const QString& section, const QString& key) const;
    // Replaces a key's value where it stands, or appends the key to its
    // section, or appends the section to the file.
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeSection(const QString& section);
    bool hasSection(const QString& section) const { return find(section) != nullptr; }

    // Reads a switch or count: decimal, or hexadecimal after "0x" or "$".
    static std::optional<int> toInt(const QString& text);

  private:
    struct Entry {
        QString key, value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    Section* find(const QString& section);
    const Section* find(const QString& section) const;

    QList<Section> sections_;
};
