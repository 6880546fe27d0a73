// Reading and writing the key-value store file with its index, against reading the map alone as
// files without an index are read, and reading a damaged file, for stores of 10 and 100 cards.
#include "ZTSwiftUIComponents/creditcards/CreditCard.h"
#include "platform/KeyValueFile.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

using namespace zt;

namespace {

KeyValueFile::Values store(int cards) {
    std::vector<std::string> elements;
    for (int i = 0; i < cards; ++i) {
        const CreditCard<CCTransaction> card(
            "card-" + std::to_string(i), "Everyday card", 2500, 250, "EUR",
            DateInterval{Date(763686000), Date(766360799)}, 9, "creditcard",
            {CCTransaction(Date(763772400), 12.5), CCTransaction(Date(763858800), 9)});
        elements.push_back(card.dataRepresentation());
    }
    return {{"creditCards", KeyValueStore::Value{KeyValueStore::arrayOfData(std::move(elements))}},
            {"visibleAccountsInAccountCard", KeyValueStore::Value{std::int64_t{5}}}};
}

std::string file(int cards) {
    return KeyValueFile::encode(store(cards));
}

void BM_Encode(benchmark::State& state) {
    const auto values = store(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(KeyValueFile::encode(values));
}

void BM_DecodeWhole(benchmark::State& state) {
    const auto bytes = file(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(KeyValueFile::decode(bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_DecodeMapAlone(benchmark::State& state) {
    const auto whole = file(static_cast<int>(state.range(0)));
    const auto bytes = whole.substr(0, whole.find("\x9f\x6czt-kvs-index"));
    for (auto _ : state)
        benchmark::DoNotOptimize(KeyValueFile::decode(bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_DecodeDamaged(benchmark::State& state) {
    auto bytes = file(static_cast<int>(state.range(0)));
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0xff);
    for (auto _ : state)
        benchmark::DoNotOptimize(KeyValueFile::decode(bytes));
}

} // namespace

BENCHMARK(BM_Encode)->Arg(10)->Arg(100);
BENCHMARK(BM_DecodeWhole)->Arg(10)->Arg(100);
BENCHMARK(BM_DecodeMapAlone)->Arg(10)->Arg(100);
BENCHMARK(BM_DecodeDamaged)->Arg(10)->Arg(100);
