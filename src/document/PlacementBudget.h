// The work one pass over a document may spend on block content, and what it left out.
#pragma once

#include <atomic>
#include <string>

class DXF_Zeichnung;

// One budget serves a whole pass (an explode, a paint, or one band of a painted picture),
// shared by every insert and dimension of the document, so that blocks nested in fan-outs
// (ten inserts of a block of ten inserts, seven levels deep) cost at most the budget, never
// the product of their counts. Each block entered costs one unit and each placed copy its
// placement cost: one, or one per piece for kinds made of many (a hatch's triangles). The
// budget grows with the document (kPerObject units per object), so that a drawing of many
// plain inserts is never cut, while work and memory stay within a fixed multiple of what
// the file holds. Nesting deeper than the limit is left out and counted too. Safe to share
// between painting threads.
class PlacementBudget {
 public:
  // Units a paint may spend, however small the document: painting keeps nothing, so it
  // may place far more than the document holds.
  static constexpr long kDrawFloor = 500'000;
  // Units an explode may spend: every placed copy stays in the document.
  static constexpr long kExplodeFloor = 100'000;
  // Units per object the document holds, when that gives more than the floor.
  static constexpr long kPerObject = 64;

  explicit PlacementBudget(long units) : units_(units), left_(units) {}
  // The floor, or kPerObject units per object of the document when that is more.
  static PlacementBudget forDrawing(const DXF_Zeichnung& document) {
    return PlacementBudget(unitsFor(document, kDrawFloor));
  }
  static PlacementBudget forExplode(const DXF_Zeichnung& document) {
    return PlacementBudget(unitsFor(document, kExplodeFloor));
  }

  // Spends `cost` units; false (and the refusal counted) once the budget is spent. The last
  // copy taken may overdraw it by its own cost.
  bool take(long cost = 1) {
    if (left_.fetch_sub(cost, std::memory_order_relaxed) > 0) return true;
    refused_.fetch_add(1, std::memory_order_relaxed);
    return false;
  }
  bool spent() const { return left_.load(std::memory_order_relaxed) <= 0; }
  // A block nested deeper than the limit was left out.
  void noteTooDeep() { tooDeep_.fetch_add(1, std::memory_order_relaxed); }
  // Counts what `part` (a budget of one band of a picture) left out as left out here.
  void addLeftOutOf(const PlacementBudget& part) {
    refused_.fetch_add(part.refused(), std::memory_order_relaxed);
    tooDeep_.fetch_add(part.tooDeep(), std::memory_order_relaxed);
  }

  long units() const { return units_; }
  long refused() const { return refused_.load(std::memory_order_relaxed); }
  long tooDeep() const { return tooDeep_.load(std::memory_order_relaxed); }

 private:
  static long unitsFor(const DXF_Zeichnung& document, long floor);

  const long units_;
  std::atomic<long> left_;
  std::atomic<long> refused_{0};
  std::atomic<long> tooDeep_{0};
};

// What the last pass over a document left out; empty when nothing was.
struct PlacementCut {
  // Placed copies (and blocks) left out because the budget was spent.
  long refused = 0;
  // Blocks left out because they were nested deeper than the limit.
  long tooDeep = 0;
  // Placed copies the drawing asks for in all (counted only when the budget ran out),
  // and the units the pass had.
  double wanted = 0.0;
  long limit = 0;

  bool cut() const { return refused > 0 || tooDeep > 0; }
  // One sentence for the user: what was left out and how much of it; "" when nothing.
  std::string sentence() const;
};

// Placed copies the inserts and dimensions of `document` ask for in all.
double placedCopiesWanted(const DXF_Zeichnung& document);
// The outcome of a pass with `budget` over `document` (whose blocks and inserts are still
// there to count, unless `wanted` is given).
PlacementCut cutOf(const DXF_Zeichnung& document, const PlacementBudget& budget,
                   double wanted = -1.0);
