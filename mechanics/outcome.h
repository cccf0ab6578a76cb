#pragma once

// The result of a solver: the solution, or the reason there is none. Invalid input and
// members that cannot carry load are values the caller inspects, never a crash, an exception
// or a silent NaN.
//
//   const Outcome<BeamSolution> solved = solveBeam(beam);
//   if (!solved)
//       report(solved.error().message);  // "the supports do not hold the member: it is a mechanism"
//   else
//       draw(solved->moment);

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace mechanics {

enum class ErrorKind {
    InvalidInput,  // a length, stiffness, position or load that is not finite or out of range
    Mechanism,     // the supports cannot hold the structure in place: it could move without deforming
};

// A message a front end can show in another language: a pattern with places %1 to %9 and the
// messages that fill them. A phrase ("the member length") is a message without places; a number
// or a name the user typed is verbatim, never translated.
//
//   Message("%1 must be a finite number above zero, not %2", {"the member length", number(-3)})
struct Message {
    Message(const char *phrase) : pattern(phrase) {}
    Message(std::string phrase) : pattern(std::move(phrase)) {}
    Message(std::string withPlaces, std::vector<Message> filling)
        : pattern(std::move(withPlaces)), arguments(std::move(filling))
    {
    }

    // The message as written, its places filled in with the arguments' own texts.
    std::string text() const;

    std::string pattern;
    std::vector<Message> arguments;
    bool verbatim = false;
};

// A text that is shown as it is in every language: a number, a symbol, a name typed.
Message verbatim(std::string text);
// A number as numberText writes it, shown as it is.
Message number(double value);

struct Error {
    Error(ErrorKind errorKind, Message why) : kind(errorKind), message(why.text()), reason(std::move(why)) {}

    ErrorKind kind;
    std::string message;  // the reason as written
    Message reason;
};

template <typename T> class Outcome
{
public:
    Outcome(T value) : m_state(std::move(value)) {}
    Outcome(Error error) : m_state(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    // The solution; only where ok() (otherwise std::bad_variant_access is thrown).
    const T &value() const { return std::get<T>(m_state); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }

    // The reason; only where !ok() (otherwise std::bad_variant_access is thrown).
    const Error &error() const { return std::get<Error>(m_state); }

private:
    std::variant<T, Error> m_state;
};

// Shortest text that reads back to the same double ("2.5", "1e-07"), independent of the
// locale, with 0 for −0; used in error messages and the CSV table.
std::string numberText(double value);

// What a message says of a quantity that must be a finite number above zero and is not:
// "the span l must be a finite number above zero, not -3"; one too large for a double is "too
// large a number" (the words of the cases' own checks), never "inf".
Message notPositive(Message what, double value);
// What a message says of a position outside [0, length]: outsideMember("a support", "x", 12, "the
// member", 10) is "a support at x = 12 lies outside the member [0, 10]"; a position too large
// for a double is said so in words.
Message outsideMember(Message what, const char *coordinate, double at, Message member, double length);

}  // namespace mechanics
