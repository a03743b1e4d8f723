#pragma once

namespace palmora {

struct DateHeure {
    int annee = 0;
    int mois = 0; // 1 to 12
    int jour = 0;
    int heure = 0;
    int minute = 0;
    int seconde = 0;
};

// Time comes through this seam so that tests can stand on any day.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual DateHeure maintenant() const = 0;
};

// Local time of the machine.
class HorlogeSysteme final : public Horloge {
public:
    DateHeure maintenant() const override;
};

} // namespace palmora
