// Read before every source of a clang build while the visitor helper in windowless.cpp has no
// deduction guide of its own: clang 14 does not deduce the template arguments of an aggregate
// from its initialisers, which g++ and newer clangs do. Declaring the template and its guide
// ahead of the definition, in the same unnamed namespace, lets that file compile unchanged.
#pragma once

// (Also read by CMake's compiler check, which compiles in an older language standard.)
#if __cplusplus >= 201703L
namespace scene {
namespace {

template <class... Ts>
struct Overloaded;
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace
}  // namespace scene
#endif
