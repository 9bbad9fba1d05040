#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QTextToSpeech;

// Reads texts aloud through Qt's speech engine (speech-dispatcher with
// espeak-ng on Debian), with a Czech voice where the engine has one. The
// engine is started on first use, so a learner who never turns reading on
// never starts one.
class Speaker : public QObject {
  public:
    using Sink = std::function<void(const QString&)>;

    explicit Speaker(QObject* parent = nullptr);

    // True when texts can be spoken; otherwise *why says in Czech why not.
    bool available(QString* why = nullptr);
    // Stops what is being said and says the text.
    void say(const QString& text);
    // Where the texts go instead of an engine: tests record them here, or
    // make the engine missing with the reason it would give.
    void setSink(Sink sink) { sink_ = std::move(sink); }
    void setMissing(const QString& why) { missing_ = why; }

  private:
    QTextToSpeech* engine();

    QTextToSpeech* engine_ = nullptr;
    Sink sink_;
    QString missing_;
};
