// The values the game's rooms and state variables take, by name. The
// numbers are the ones the save files hold.
#pragma once

enum Room : int {
  kNoRoom = 0,  // before the game has begun
  kForestEntrance = 1,
  kForestPath = 2,
  kDeepForest = 3,
  kBeeMeadow = 4,
  kWell = 5,
  kHoneyStand = 6,
  kBridgeApproach = 7,
  kBeaverMarket = 8,
  kRiverBank = 9,
  kBridge = 10,
  kHouseFront = 11,
  kHouseInside = 12,  // entering it is the ending
  kClearing = 13,
  kTower = 14,  // no way leads there
};

// Where an object is when it is in no room.
enum Location : int {
  kNotInPlay = 0,
  kLostForGood = 20,   // sunk in the river, fallen into the well
  kSheepRanOff = 111,  // the shorn sheep
  kVoucherHandedOver = 500,
};

// `ball_state`
enum BallState : int {
  kBallLying = 0,  // in ball_room
  kBallCarried = 1,
  kBallOnWell = 3,  // beside the frog
  kBallWithWolf = 4,
  kBallGone = 5,  // over the bridge with the wolf
};

// `frog_state`: kisses so far.
enum FrogState : int {
  kFrogUnkissed = 0,
  kFrogKissedOnce = 1,
  kFrogKissedTwice = 2,
  kFrogIsToad = 3,  // lives in the well
};

// `sheep_state`
enum SheepState : int {
  kSheepWithHerd = 0,
  kSheepFollowing = 1,  // while the grass is carried
  kSheepShorn = 4,
  kSheepGone = 5,  // the wolf has left
};

// `honey_jar_state`: where the lid is. The jar is open while the lid is
// loose or carried on its own.
enum LidState : int {
  kLidLoose = 0,  // in lid_room
  kLidCarried = 1,
  kLidOnCarriedJar = 2,
  kLidOnLyingJar = 3,  // the jar lies in lid_room
};

// `key_holder`
enum KeyHolder : int {
  kKeyNotCarried = 0,
  kKeyCarried = 1,
  kKeyWithBeaver = 5,
};

// `coin_state`
enum CoinState : int {
  kCoinNotCarried = 0,  // lying in coin_room, or not in play
  kCoinCarried = 1,
  kCoinStuck = 2,     // thrown into the honey automat
  kCoinInReturn = 5,  // in the automat's coin return
  kCoinPaid = 99,     // the beaver has it
};

// Grammatical gender of a noun; plural nouns count as feminine.
enum Gender : int {
  kNoGender = 0,
  kMasculine = 1,
  kFeminine = 2,
  kNeuter = 3,
};
