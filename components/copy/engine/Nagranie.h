#pragma once

#include <undo/Zapis.h>

#include <memory>

namespace occopy {

class Kopiarka;
class Przenośnik;

// For the length of one run, what a copy or a move does goes to the undo
// journal: each entry a copy made, each entry moved, and each target the
// run replaced, which goes to the trash instead of being lost. A journal
// that cannot be written records nothing and changes nothing in the run.
class Nagranie
{
public:
    explicit Nagranie(Kopiarka &kopiarka, Przenośnik *przenośnik = nullptr);
    ~Nagranie();
    Nagranie(const Nagranie &) = delete;
    Nagranie &operator=(const Nagranie &) = delete;

private:
    Kopiarka &m_kopiarka;
    Przenośnik *m_przenośnik;
    std::unique_ptr<oc::undo::Zapis> m_zapis;
};

} // namespace occopy
