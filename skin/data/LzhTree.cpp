#include "skin/data/LzhTree.h"

#include <algorithm>

namespace lzh {

void TLzhTree::Start() {
  for (int i = 0; i < N_CHAR; ++i) {
    FFreq[i] = 1;
    FSon[i] = static_cast<std::uint16_t>(i + T);
    FParent[i + T] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
    FFreq[j] = static_cast<std::uint16_t>(FFreq[i] + FFreq[i + 1]);
    FSon[j] = static_cast<std::uint16_t>(i);
    FParent[i] = FParent[i + 1] = static_cast<std::uint16_t>(j);
  }
  FFreq[T] = 0xFFFF;
  FParent[R] = 0;
}

void TLzhTree::Rebuild() {
  // Gather the leaves at the front with halved frequencies (rounding up),
  // keeping their order.
  int j = 0;
  for (int i = 0; i < T; ++i) {
    if (FSon[i] >= T) {
      FFreq[j] = static_cast<std::uint16_t>((FFreq[i] + 1) / 2);
      FSon[j] = FSon[i];
      ++j;
    }
  }
  // Join pairs from the front; each new node goes in at the place that
  // keeps the frequencies ordered.
  for (int i = 0, node = N_CHAR; node < T; i += 2, ++node) {
    const auto f = static_cast<std::uint16_t>(FFreq[i] + FFreq[i + 1]);
    int k = node - 1;
    while (f < FFreq[k]) --k;
    ++k;
    std::copy_backward(FFreq.begin() + k, FFreq.begin() + node, FFreq.begin() + node + 1);
    std::copy_backward(FSon.begin() + k, FSon.begin() + node, FSon.begin() + node + 1);
    FFreq[k] = f;
    FSon[k] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = FSon[i];
    if (k >= T) {
      FParent[k] = static_cast<std::uint16_t>(i);
    } else {
      FParent[k] = FParent[k + 1] = static_cast<std::uint16_t>(i);
    }
  }
}

void TLzhTree::Update(int c) {
  if (FFreq[R] == MAX_FREQ) Rebuild();
  int node = FParent[c + T];
  do {
    const unsigned k = ++FFreq[node];
    // When the node now outweighs the next one, swap it with the last node
    // of smaller frequency, so that the order holds again.
    if (k > FFreq[node + 1]) {
      int l = node + 1;
      while (k > FFreq[l + 1]) ++l;
      FFreq[node] = FFreq[l];
      FFreq[l] = static_cast<std::uint16_t>(k);

      const int i = FSon[node];
      FParent[i] = static_cast<std::uint16_t>(l);
      if (i < T) FParent[i + 1] = static_cast<std::uint16_t>(l);
      const int j = FSon[l];
      FSon[l] = static_cast<std::uint16_t>(i);
      FParent[j] = static_cast<std::uint16_t>(node);
      if (j < T) FParent[j + 1] = static_cast<std::uint16_t>(node);
      FSon[node] = static_cast<std::uint16_t>(j);
      node = l;
    }
    node = FParent[node];
  } while (node != 0);
}

}  // namespace lzh
