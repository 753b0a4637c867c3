// The equivalent minimal forms of a run. Every form starts with the same essential
// implicants, which may be tens of thousands of terms, so they are held once and each form
// keeps only the rows it adds; a form's text is put together when asked for.
#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

namespace vyn {

class ListaPostaci {
  public:
    // The essential implicants joined by "+" (no trailing "+"), shared by every form.
    void UstawIstotne(std::string istotne) { istotne_ = std::move(istotne); }
    const std::string& Istotne() const { return istotne_; }

    // Adds a form given by its own rows joined by "+"; an empty text is the essential part
    // alone.
    void Dodaj(std::string reszta) { reszty_.push_back(std::move(reszta)); }
    void Wyczysc() { reszty_.clear(); }

    std::size_t size() const { return reszty_.size(); }
    bool empty() const { return reszty_.empty(); }

    // Form i (from 0) as text.
    std::string operator[](std::size_t i) const {
        const std::string& reszta = reszty_[i];
        if (istotne_.empty())
            return reszta;
        if (reszta.empty())
            return istotne_;
        std::string postac;
        postac.reserve(istotne_.size() + 1 + reszta.size());
        postac += istotne_;
        postac.push_back('+');
        postac += reszta;
        return postac;
    }
    std::string front() const { return (*this)[0]; }

    std::vector<std::string> Wszystkie() const {
        std::vector<std::string> w;
        for (std::size_t i = 0; i < size(); ++i)
            w.push_back((*this)[i]);
        return w;
    }

    class Iterator {
      public:
        using iterator_category = std::input_iterator_tag;
        using value_type = std::string;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string;
        Iterator(const ListaPostaci* l, std::size_t i) : l_(l), i_(i) {}
        std::string operator*() const { return (*l_)[i_]; }
        Iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const Iterator& o) const { return i_ == o.i_; }
        bool operator!=(const Iterator& o) const { return i_ != o.i_; }

      private:
        const ListaPostaci* l_;
        std::size_t i_;
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

    friend bool operator==(const ListaPostaci& a, const std::vector<std::string>& b) {
        return a.Wszystkie() == b;
    }
    friend bool operator==(const ListaPostaci& a, const ListaPostaci& b) {
        return a.Wszystkie() == b.Wszystkie();
    }

  private:
    std::string istotne_;
    std::vector<std::string> reszty_;
};

} // namespace vyn
