#pragma once

#include <QString>

#include <stdexcept>

namespace orvanta {

// The one exception of the marking library. message() is a complete sentence
// for the pupil or the course author: which paper, question, part or file,
// and what is wrong with it.
class MarkingError : public std::runtime_error {
public:
    enum class Reason {
        InvalidKey,    // a key breaks the rules its type letter relies on
        ZeroTotal,     // the paper's marks add up to 0: no percentage exists
        BadArgument,   // lists of different lengths, a part or paper out of range
        AlreadyMarked, // the take is marked already; a take is marked once
        StoreFailed,   // a progress file could not be written; see message()
    };

    MarkingError(Reason reason, QString message, QString file = {}, QString cause = {});

    Reason reason() const { return reason_; }
    const QString& message() const { return message_; }
    // StoreFailed: the path of the progress file that could not be read or
    // written; empty when the fault lies with no one file.
    const QString& file() const { return file_; }
    // StoreFailed: why the file failed, in a few words ("No space left on
    // device", "... is read-only"); empty when not known.
    const QString& cause() const { return cause_; }

private:
    Reason reason_;
    QString message_;
    QString file_;
    QString cause_;
};

} // namespace orvanta
