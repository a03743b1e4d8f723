#include "app/a_propos.h"

namespace palmora {

std::string texteE1() {
    return "Si vous appréciez l'aide qu'il vous apporte,\n"
           " récompensez l'auteur à chaque utilisation\n"
           "en lui envoyant un produit de votre région.\n"
           " (Par exemple, une bonne bouteille, ...)";
}

} // namespace palmora
