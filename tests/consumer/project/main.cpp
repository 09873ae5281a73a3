// A minimal host: loads one document through the installed package.
#include <iostream>
#include <orvik/xml_producer.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: orvik_consumer DOCUMENT\n";
        return 2;
    }
    Orvik::XMLProducerOptions options;
    Orvik::XMLProducer producer(Orvik::UTF16String(argv[1]), &options);
    bool valid = false;
    producer.QueryFile()->IsFileValid(valid);
    try {
        Orvik::FilterOptions filter;
        producer.BeginProcess(Orvik::IdSet(), &filter, nullptr);
        std::cout << "valid: " << (valid ? "true" : "false") << '\n';
        try {
            std::cout << "root: " << producer.RootObjectId().Id().Value() << '\n';
        } catch (const Orvik::GeneralException& e) {
            std::cout << "root: none (" << e.what() << ")\n";
        }
        std::cout << "universe: " << (producer.LoadUniverse() ? "yes" : "no") << '\n';
    } catch (const Orvik::Exception& e) {
        std::cerr << "load failed: " << e.what() << '\n';
        return 1;
    }
    producer.EndProcess();
    return 0;
}
