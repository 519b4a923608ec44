#include "tabstrip/tab_outline.h"

namespace quorin {

namespace {

TabOutline Unselected(eTabAlignment a, int L, int T, int R, int B) {
  switch (a) {
    case tTop:
      return {{{{L, T + 2, L, B}, {L + 2, T, R - 1, T}, {R, T + 2, R, B}}},
              {{{L + 1, T + 1}, {R - 1, T + 1}}},
              {{{L + 2, T, R - 1, T}, {L + 2, T + 1, R - 1, T + 1}, {L + 1, T + 2, R, T + 2}}},
              {}};
    case tLeft:
      return {{{{L, T + 2, L, B - 2}, {L + 2, T, R, T}, {L + 2, B - 1, R, B - 1}}},
              {{{L + 1, T + 1}, {L + 1, B - 2}}},
              {{{L, T + 2, L, B - 2}, {L + 1, T + 2, L + 1, B - 2}, {L + 2, T + 1, L + 2, B - 1}}},
              {}};
    case tRight:
      return {{{{R - 1, T + 2, R - 1, B - 2}, {L, T, R - 2, T}, {L, B - 1, R - 2, B - 1}}},
              {{{R - 2, T + 1}, {R - 2, B - 2}}},
              {{{R - 1, T + 2, R - 1, B - 2},
                {R - 2, T + 2, R - 2, B - 2},
                {R - 3, T + 1, R - 3, B - 1}}},
              {}};
    default:  // tBottom
      return {
          {{{L, T + 2, L, B - 2}, {L + 2, B - 1, R - 1, B - 1}, {R, T + 2, R, B - 2}}},
          {{{L + 1, B - 2}, {R - 1, B - 2}}},
          {{{L + 2, B - 1, R - 1, B - 1}, {L + 2, B - 2, R - 1, B - 2}, {L + 1, B - 3, R, B - 3}}},
          {}};
  }
}

TabOutline Selected(eTabAlignment a, int L, int T, int R, int B) {
  switch (a) {
    case tTop:
      return {{{{L - 2, T, L - 2, B}, {L, T - 2, R + 1, T - 2}, {R + 2, T, R + 2, B}}},
              {{{L - 1, T - 1}, {R + 1, T - 1}}},
              {{{L, T - 2, R + 1, T - 2}, {L, T - 1, R + 1, T - 1}, {L - 1, T, R + 2, T}}},
              {L - 1, B, R + 2, B}};
    case tLeft:
      return {{{{L - 2, T, L - 2, B}, {L, T - 2, R, T - 2}, {L, B + 1, R, B + 1}}},
              {{{L - 1, T - 1}, {L - 1, B}}},
              {{{L - 2, T, L - 2, B}, {L - 1, T, L - 1, B}, {L, T - 1, L, B + 1}}},
              {R, T - 1, R, B + 1}};
    case tRight:
      return {{{{R + 1, T, R + 1, B}, {L, T - 2, R, T - 2}, {L, B + 1, R, B + 1}}},
              {{{R, T - 1}, {R, B}}},
              {{{R + 1, T, R + 1, B}, {R, T, R, B}, {R - 1, T - 1, R - 1, B + 1}}},
              {L - 1, T - 1, L - 1, B + 1}};
    default:  // tBottom
      return {{{{L - 2, T + 2, L - 2, B}, {L, B + 1, R + 1, B + 1}, {R + 2, T + 2, R + 2, B}}},
              {{{L - 1, B}, {R + 1, B}}},
              {{{L, B + 1, R + 1, B + 1}, {L, B, R + 1, B}, {L - 1, B - 1, R + 2, B - 1}}},
              {L - 1, T + 1, R + 2, T + 1}};
  }
}

}  // namespace

bool OutlineOf(eTabAlignment alignment, const win32::RECT& r, bool selected, TabOutline& out) {
  if (alignment != tTop && alignment != tLeft && alignment != tRight && alignment != tBottom) {
    return false;
  }
  out = selected ? Selected(alignment, r.left, r.top, r.right, r.bottom)
                 : Unselected(alignment, r.left, r.top, r.right, r.bottom);
  return true;
}

}  // namespace quorin
