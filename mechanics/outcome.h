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

namespace mechanics {

enum class ErrorKind {
    InvalidInput,  // a length, stiffness, position or load that is not finite or out of range
    Mechanism,     // the supports cannot hold the structure in place: it could move without deforming
};

struct Error {
    ErrorKind kind;
    std::string message;
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
std::string notPositive(const std::string &what, double value);
// What a message says of a position outside [0, length]: outsideMember("a support", "x", 12, "the
// member", 10) is "a support at x = 12 lies outside the member [0, 10]"; a position too large
// for a double is said so in words.
std::string outsideMember(const std::string &what, const char *coordinate, double at, const std::string &member,
                          double length);

}  // namespace mechanics
