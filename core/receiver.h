#pragma once

namespace kanalo {

// Receiver types as the "BoxType" setting holds them.
enum class BoxType { NotChosen = 0, Pella1Rondel = 1, Lundra = 2, Pella1Plus = 3 };

// Receiver type and Firmware as the editor runs with them.
struct ReceiverChoice {
    BoxType boxType = BoxType::Pella1Rondel;
    int firmware = 2; // 1 = before 1.5-46, 2 = 1.5-46 or higher
};

} // namespace kanalo
