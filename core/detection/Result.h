#pragma once

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace tarnveil {

/// The error half of a Result, wrapped so that a Result<T, E> stays unambiguous when T and E
/// are the same type.
template <class E>
struct Failure {
    E error;
};

/// Wraps an error for returning; a string literal becomes a Failure<const char*>, which
/// converts to any Result whose error type can be built from it.
template <class E>
Failure<std::decay_t<E>> failure(E&& error)
{
    return Failure<std::decay_t<E>>{std::forward<E>(error)};
}

/// Either a value or a typed error. Reading the wrong half is a programming error.
template <class T, class E>
class Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure<E> failed) : state_(std::in_place_index<1>, std::move(failed)) {}
    template <class U>
        requires(!std::is_same_v<U, E> && std::is_constructible_v<E, U>)
    Result(Failure<U> failed) : state_(std::in_place_index<1>, Failure<E>{E(std::move(failed.error))})
    {
    }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const E& error() const { return std::get<1>(state_).error; }

private:
    std::variant<T, Failure<E>> state_;
};

/// Success without a value, or a typed error.
template <class E>
class Result<void, E> {
public:
    Result() = default;
    template <class U>
        requires std::is_constructible_v<E, U>
    Result(Failure<U> failed) : error_(E(std::move(failed.error)))
    {
    }

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }

    const E& error() const { return *error_; }

private:
    std::optional<E> error_;
};

} // namespace tarnveil
