#pragma once
// What a failing step tells the user, read the one way the tests read it.

#include <string>

#include "base/failure.h"

// The text of the Failure that action throws; empty when it throws none.
template <typename Action>
std::string FailureText(Action action) {
  try {
    action();
  } catch (const Failure& failure) {
    return failure.what();
  }
  return std::string();
}
