#include "files/PlanCsv.h"

#include "engine/DesignPlan.h"
#include "engine/NumberText.h"
#include "files/SpurTableCsv.h"

namespace kestrel::csv {

std::string planTable(const PlanResult& result, std::string_view freqUnit) {
    std::string text = record({"Candidate (" + std::string(freqUnit) + ")", "Valid", "Clean",
                               "Worst level (dBc)", "Worst product"});
    for (const PlanCandidate& c : result.candidates) {
        const std::string worst =
            c.worst ? (c.worst->level ? planLevelText(*c.worst->level) : std::string("no level")) : "";
        const std::string product = c.worst ? productName(c.worst->m, c.worst->n, c.worst->family) : "";
        text += record({generalText(c.value), c.valid ? "yes" : "no", c.clean ? "yes" : "no", worst, product});
    }
    return text;
}

} // namespace kestrel::csv
