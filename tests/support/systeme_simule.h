#pragma once

#include <optional>

// The tests' own system calls for the files the program writes: they do what the real ones do,
// count what is asked of them, and fail where a test says.
namespace palmora::test {

enum class Appel {
    Creation,
    Ecriture,
    EcritureA,
    Vidage,
    VidageDonnees,
    Troncature,
    Renommage,
    Suppression
};
// The steps of a whole-file replacement, by the call that makes each.
namespace EtapeRemplacement {
inline constexpr Appel Creation = Appel::Creation;
inline constexpr Appel Ecriture = Appel::Ecriture;
inline constexpr Appel Vidage = Appel::Vidage;
inline constexpr Appel Renommage = Appel::Renommage;
} // namespace EtapeRemplacement

// The `rang`-th call of that kind from now fails with `erreur`, and so do the later ones when
// `suivantes`; with `erreur` 0 the program dies there (`MortSimulee` is thrown, nothing is
// cleaned up).
struct PanneSimulee {
    Appel etape;
    int erreur;
    int rang = 1;
    bool suivantes = false;
};
struct MortSimulee {};

// Sets or clears the failure to come; either way the counts start again from zero.
void simulerPanne(std::optional<PanneSimulee> panne);
// Calls of that kind since the last simulerPanne.
int appels(Appel appel);

} // namespace palmora::test
