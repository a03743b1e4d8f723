#pragma once

#include "data/ecriture.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

struct EtatCompet;

// Records of the open competition read and rewritten by runs of consecutive records, one
// system call a run rather than one a record, so that recomputing a large file stays within
// a screen frame. It works through a descriptor of its own, beside the competition's, and
// writes nothing to a competition opened for reading only.
class SuitesEnreg {
public:
    explicit SuitesEnreg(const EtatCompet& etat);
    ~SuitesEnreg();
    SuitesEnreg(const SuitesEnreg&) = delete;
    SuitesEnreg& operator=(const SuitesEnreg&) = delete;

    // Records premier to premier + nombre - 1, whole records only, as far as the file goes.
    std::string lire(std::int64_t premier, std::int64_t nombre) const;

    // Records to rewrite, gathered in ascending order of their numbers.
    struct Changements {
        // Room for that many records, taken at once: a large buffer grown step by step costs
        // more than the calculation itself.
        explicit Changements(std::size_t prevus = 0);
        std::vector<std::int64_t> numeros;
        std::string nouveaux; // their new contents, one after the other
        std::string anciens;  // what the file holds there now
        // Keeps the record unless it is unchanged: rewriting it would leave the same bytes.
        void ajouter(std::int64_t numero, std::string_view nouveau, std::string_view ancien);
    };

    // A record that cannot be written keeps its old content whole and the others are still
    // written. Returns the worst outcome: `Interdite` when the file cannot be written, even
    // with nothing to write.
    Ecriture ecrire(const Changements& changements);

private:
    Ecriture ecrireSuite(std::int64_t premier, std::string_view nouveaux, std::string_view anciens);

    int fd_ = -1;
    bool lectureSeule_ = true;
};

} // namespace palmora
