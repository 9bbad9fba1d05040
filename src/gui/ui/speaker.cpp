#include "gui/ui/speaker.h"

#include <QLocale>
#include <QTextToSpeech>

using namespace Qt::StringLiterals;

Speaker::Speaker(QObject* parent) : QObject(parent) {}

QTextToSpeech* Speaker::engine() {
    if (!engine_ && !QTextToSpeech::availableEngines().isEmpty()) {
        engine_ = new QTextToSpeech(this);
        const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
        for (const QLocale& locale : engine_->availableLocales())
            if (locale.language() == QLocale::Czech) {
                engine_->setLocale(czech);
                break;
            }
    }
    return engine_;
}

bool Speaker::available(QString* why) {
    if (!missing_.isEmpty()) {
        if (why)
            *why = missing_;
        return false;
    }
    if (sink_)
        return true;
    QTextToSpeech* speech = engine();
    if (speech && speech->state() != QTextToSpeech::Error)
        return true;
    if (why)
        *why = speech ? u"Hlasový výstup nelze spustit: %1\nOtázky se nebudou číst nahlas."_s.arg(
                            speech->errorString())
                      : u"V tomto počítači není nainstalován hlasový výstup (například "
                        u"speech-dispatcher s hlasem espeak-ng), a proto nelze otázky číst "
                        u"nahlas."_s;
    return false;
}

void Speaker::say(const QString& text) {
    if (sink_)
        return sink_(text);
    if (QTextToSpeech* speech = engine()) {
        speech->stop();
        speech->say(text);
    }
}
