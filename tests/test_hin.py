"""Hindi conjugation: analysis of the input (compound head, the ना ending,
vowel-final stems), the irregular-verb lexicon, the rule forms and the
HindiConjugation class."""
import os

import pytest

import velnor
from conftest import needs

pytestmark = needs("hin")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "hin.tsv")
COLUMNS = "# lemma\tpfv(m.sg,m.pl,f)\tsubj(1sg,2sg,3sg,1pl,2pl,3pl)\timp(intim,famil,polite)"
ATTRIBUTES = [
    "infinitive", "oblique_infinitive", "imperative", "subjunctive",
    "future_masculine", "future_feminine", "imperfective", "perfective",
]
ROW_LENGTHS = {"imperative": 3, "subjunctive": 6, "future_masculine": 6, "future_feminine": 6,
               "imperfective": 3, "perfective": 3}
DOC = ("The conjugation of one Hindi verb (see `velnor::hin`). Person rows\n"
       "are [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]; participle triples are\n"
       "[masc sg, masc pl, fem]; the imperative is\n"
       "[intimate (तू), familiar (तुम), polite (आप)].")


def conj(word):
    return velnor.conjugate(word, lang="hin")


# Standard Hindi in the normalised spelling (anusvara, no optional य-glide):
# infinitive; imperative intimate, familiar, polite; subjunctive 1sg, 3sg,
# 1pl, 2pl; future m.3sg, m.3pl, f.1sg; imperfective m.sg; perfective
# m.sg, m.pl, f.
COMMON = """
होना हो होओ होइए होऊं हो हों होओ होगा होंगे होऊंगी होता हुआ हुए हुई
जाना जा जाओ जाइए जाऊं जाए जाएं जाओ जाएगा जाएंगे जाऊंगी जाता गया गए गई
करना कर करो कीजिए करूं करे करें करो करेगा करेंगे करूंगी करता किया किए की
देना दे दो दीजिए दूं दे दें दो देगा देंगे दूंगी देता दिया दिए दी
लेना ले लो लीजिए लूं ले लें लो लेगा लेंगे लूंगी लेता लिया लिए ली
पीना पी पियो पीजिए पिऊं पिए पिएं पियो पिएगा पिएंगे पिऊंगी पीता पिया पिए पी
जीना जी जियो जीजिए जिऊं जिए जिएं जियो जिएगा जिएंगे जिऊंगी जीता जिया जिए जी
सीना सी सियो सीजिए सिऊं सिए सिएं सियो सिएगा सिएंगे सिऊंगी सीता सिया सिए सी
छूना छू छुओ छुइए छुऊं छुए छुएं छुओ छुएगा छुएंगे छुऊंगी छूता छुआ छुए छुई
खाना खा खाओ खाइए खाऊं खाए खाएं खाओ खाएगा खाएंगे खाऊंगी खाता खाया खाए खाई
आना आ आओ आइए आऊं आए आएं आओ आएगा आएंगे आऊंगी आता आया आए आई
चलना चल चलो चलिए चलूं चले चलें चलो चलेगा चलेंगे चलूंगी चलता चला चले चली
बोलना बोल बोलो बोलिए बोलूं बोले बोलें बोलो बोलेगा बोलेंगे बोलूंगी बोलता बोला बोले बोली
लिखना लिख लिखो लिखिए लिखूं लिखे लिखें लिखो लिखेगा लिखेंगे लिखूंगी लिखता लिखा लिखे लिखी
पढ़ना पढ़ पढ़ो पढ़िए पढ़ूं पढ़े पढ़ें पढ़ो पढ़ेगा पढ़ेंगे पढ़ूंगी पढ़ता पढ़ा पढ़े पढ़ी
देखना देख देखो देखिए देखूं देखे देखें देखो देखेगा देखेंगे देखूंगी देखता देखा देखे देखी
सुनना सुन सुनो सुनिए सुनूं सुने सुनें सुनो सुनेगा सुनेंगे सुनूंगी सुनता सुना सुने सुनी
समझना समझ समझो समझिए समझूं समझे समझें समझो समझेगा समझेंगे समझूंगी समझता समझा समझे समझी
रहना रह रहो रहिए रहूं रहे रहें रहो रहेगा रहेंगे रहूंगी रहता रहा रहे रही
बैठना बैठ बैठो बैठिए बैठूं बैठे बैठें बैठो बैठेगा बैठेंगे बैठूंगी बैठता बैठा बैठे बैठी
उठना उठ उठो उठिए उठूं उठे उठें उठो उठेगा उठेंगे उठूंगी उठता उठा उठे उठी
सोचना सोच सोचो सोचिए सोचूं सोचे सोचें सोचो सोचेगा सोचेंगे सोचूंगी सोचता सोचा सोचे सोची
मिलना मिल मिलो मिलिए मिलूं मिले मिलें मिलो मिलेगा मिलेंगे मिलूंगी मिलता मिला मिले मिली
खेलना खेल खेलो खेलिए खेलूं खेले खेलें खेलो खेलेगा खेलेंगे खेलूंगी खेलता खेला खेले खेली
बदलना बदल बदलो बदलिए बदलूं बदले बदलें बदलो बदलेगा बदलेंगे बदलूंगी बदलता बदला बदले बदली
पहुंचना पहुंच पहुंचो पहुंचिए पहुंचूं पहुंचे पहुंचें पहुंचो पहुंचेगा पहुंचेंगे पहुंचूंगी पहुंचता पहुंचा पहुंचे पहुंची
रखना रख रखो रखिए रखूं रखे रखें रखो रखेगा रखेंगे रखूंगी रखता रखा रखे रखी
मारना मार मारो मारिए मारूं मारे मारें मारो मारेगा मारेंगे मारूंगी मारता मारा मारे मारी
बनना बन बनो बनिए बनूं बने बनें बनो बनेगा बनेंगे बनूंगी बनता बना बने बनी
लगना लग लगो लगिए लगूं लगे लगें लगो लगेगा लगेंगे लगूंगी लगता लगा लगे लगी
पूछना पूछ पूछो पूछिए पूछूं पूछे पूछें पूछो पूछेगा पूछेंगे पूछूंगी पूछता पूछा पूछे पूछी
भेजना भेज भेजो भेजिए भेजूं भेजे भेजें भेजो भेजेगा भेजेंगे भेजूंगी भेजता भेजा भेजे भेजी
खोलना खोल खोलो खोलिए खोलूं खोले खोलें खोलो खोलेगा खोलेंगे खोलूंगी खोलता खोला खोले खोली
जलना जल जलो जलिए जलूं जले जलें जलो जलेगा जलेंगे जलूंगी जलता जला जले जली
डरना डर डरो डरिए डरूं डरे डरें डरो डरेगा डरेंगे डरूंगी डरता डरा डरे डरी
हंसना हंस हंसो हंसिए हंसूं हंसे हंसें हंसो हंसेगा हंसेंगे हंसूंगी हंसता हंसा हंसे हंसी
दौड़ना दौड़ दौड़ो दौड़िए दौड़ूं दौड़े दौड़ें दौड़ो दौड़ेगा दौड़ेंगे दौड़ूंगी दौड़ता दौड़ा दौड़े दौड़ी
तैरना तैर तैरो तैरिए तैरूं तैरे तैरें तैरो तैरेगा तैरेंगे तैरूंगी तैरता तैरा तैरे तैरी
निकलना निकल निकलो निकलिए निकलूं निकले निकलें निकलो निकलेगा निकलेंगे निकलूंगी निकलता निकला निकले निकली
गिरना गिर गिरो गिरिए गिरूं गिरे गिरें गिरो गिरेगा गिरेंगे गिरूंगी गिरता गिरा गिरे गिरी
बचना बच बचो बचिए बचूं बचे बचें बचो बचेगा बचेंगे बचूंगी बचता बचा बचे बची
बेचना बेच बेचो बेचिए बेचूं बेचे बेचें बेचो बेचेगा बेचेंगे बेचूंगी बेचता बेचा बेचे बेची
खरीदना खरीद खरीदो खरीदिए खरीदूं खरीदे खरीदें खरीदो खरीदेगा खरीदेंगे खरीदूंगी खरीदता खरीदा खरीदे खरीदी
छोड़ना छोड़ छोड़ो छोड़िए छोड़ूं छोड़े छोड़ें छोड़ो छोड़ेगा छोड़ेंगे छोड़ूंगी छोड़ता छोड़ा छोड़े छोड़ी
तोड़ना तोड़ तोड़ो तोड़िए तोड़ूं तोड़े तोड़ें तोड़ो तोड़ेगा तोड़ेंगे तोड़ूंगी तोड़ता तोड़ा तोड़े तोड़ी
जोड़ना जोड़ जोड़ो जोड़िए जोड़ूं जोड़े जोड़ें जोड़ो जोड़ेगा जोड़ेंगे जोड़ूंगी जोड़ता जोड़ा जोड़े जोड़ी
पकड़ना पकड़ पकड़ो पकड़िए पकड़ूं पकड़े पकड़ें पकड़ो पकड़ेगा पकड़ेंगे पकड़ूंगी पकड़ता पकड़ा पकड़े पकड़ी
फेंकना फेंक फेंको फेंकिए फेंकूं फेंके फेंकें फेंको फेंकेगा फेंकेंगे फेंकूंगी फेंकता फेंका फेंके फेंकी
सीखना सीख सीखो सीखिए सीखूं सीखे सीखें सीखो सीखेगा सीखेंगे सीखूंगी सीखता सीखा सीखे सीखी
जागना जाग जागो जागिए जागूं जागे जागें जागो जागेगा जागेंगे जागूंगी जागता जागा जागे जागी
भागना भाग भागो भागिए भागूं भागे भागें भागो भागेगा भागेंगे भागूंगी भागता भागा भागे भागी
मांगना मांग मांगो मांगिए मांगूं मांगे मांगें मांगो मांगेगा मांगेंगे मांगूंगी मांगता मांगा मांगे मांगी
काटना काट काटो काटिए काटूं काटे काटें काटो काटेगा काटेंगे काटूंगी काटता काटा काटे काटी
बांटना बांट बांटो बांटिए बांटूं बांटे बांटें बांटो बांटेगा बांटेंगे बांटूंगी बांटता बांटा बांटे बांटी
लौटना लौट लौटो लौटिए लौटूं लौटे लौटें लौटो लौटेगा लौटेंगे लौटूंगी लौटता लौटा लौटे लौटी
रोकना रोक रोको रोकिए रोकूं रोके रोकें रोको रोकेगा रोकेंगे रोकूंगी रोकता रोका रोके रोकी
रुकना रुक रुको रुकिए रुकूं रुके रुकें रुको रुकेगा रुकेंगे रुकूंगी रुकता रुका रुके रुकी
टूटना टूट टूटो टूटिए टूटूं टूटे टूटें टूटो टूटेगा टूटेंगे टूटूंगी टूटता टूटा टूटे टूटी
घूमना घूम घूमो घूमिए घूमूं घूमे घूमें घूमो घूमेगा घूमेंगे घूमूंगी घूमता घूमा घूमे घूमी
पहनना पहन पहनो पहनिए पहनूं पहने पहनें पहनो पहनेगा पहनेंगे पहनूंगी पहनता पहना पहने पहनी
गिनना गिन गिनो गिनिए गिनूं गिने गिनें गिनो गिनेगा गिनेंगे गिनूंगी गिनता गिना गिने गिनी
चुनना चुन चुनो चुनिए चुनूं चुने चुनें चुनो चुनेगा चुनेंगे चुनूंगी चुनता चुना चुने चुनी
जीतना जीत जीतो जीतिए जीतूं जीते जीतें जीतो जीतेगा जीतेंगे जीतूंगी जीतता जीता जीते जीती
हारना हार हारो हारिए हारूं हारे हारें हारो हारेगा हारेंगे हारूंगी हारता हारा हारे हारी
भरना भर भरो भरिए भरूं भरे भरें भरो भरेगा भरेंगे भरूंगी भरता भरा भरे भरी
मरना मर मरो मरिए मरूं मरे मरें मरो मरेगा मरेंगे मरूंगी मरता मरा मरे मरी
उतरना उतर उतरो उतरिए उतरूं उतरे उतरें उतरो उतरेगा उतरेंगे उतरूंगी उतरता उतरा उतरे उतरी
चढ़ना चढ़ चढ़ो चढ़िए चढ़ूं चढ़े चढ़ें चढ़ो चढ़ेगा चढ़ेंगे चढ़ूंगी चढ़ता चढ़ा चढ़े चढ़ी
बढ़ना बढ़ बढ़ो बढ़िए बढ़ूं बढ़े बढ़ें बढ़ो बढ़ेगा बढ़ेंगे बढ़ूंगी बढ़ता बढ़ा बढ़े बढ़ी
सहना सह सहो सहिए सहूं सहे सहें सहो सहेगा सहेंगे सहूंगी सहता सहा सहे सही
कहना कह कहो कहिए कहूं कहे कहें कहो कहेगा कहेंगे कहूंगी कहता कहा कहे कही
नाचना नाच नाचो नाचिए नाचूं नाचे नाचें नाचो नाचेगा नाचेंगे नाचूंगी नाचता नाचा नाचे नाची
ढूंढना ढूंढ ढूंढो ढूंढिए ढूंढूं ढूंढे ढूंढें ढूंढो ढूंढेगा ढूंढेंगे ढूंढूंगी ढूंढता ढूंढा ढूंढे ढूंढी
भूलना भूल भूलो भूलिए भूलूं भूले भूलें भूलो भूलेगा भूलेंगे भूलूंगी भूलता भूला भूले भूली
मानना मान मानो मानिए मानूं माने मानें मानो मानेगा मानेंगे मानूंगी मानता माना माने मानी
जानना जान जानो जानिए जानूं जाने जानें जानो जानेगा जानेंगे जानूंगी जानता जाना जाने जानी
पहचानना पहचान पहचानो पहचानिए पहचानूं पहचाने पहचानें पहचानो पहचानेगा पहचानेंगे पहचानूंगी पहचानता पहचाना पहचाने पहचानी
सोना सो सोओ सोइए सोऊं सोए सोएं सोओ सोएगा सोएंगे सोऊंगी सोता सोया सोए सोई
रोना रो रोओ रोइए रोऊं रोए रोएं रोओ रोएगा रोएंगे रोऊंगी रोता रोया रोए रोई
धोना धो धोओ धोइए धोऊं धोए धोएं धोओ धोएगा धोएंगे धोऊंगी धोता धोया धोए धोई
बोना बो बोओ बोइए बोऊं बोए बोएं बोओ बोएगा बोएंगे बोऊंगी बोता बोया बोए बोई
गाना गा गाओ गाइए गाऊं गाए गाएं गाओ गाएगा गाएंगे गाऊंगी गाता गाया गाए गाई
लाना ला लाओ लाइए लाऊं लाए लाएं लाओ लाएगा लाएंगे लाऊंगी लाता लाया लाए लाई
पाना पा पाओ पाइए पाऊं पाए पाएं पाओ पाएगा पाएंगे पाऊंगी पाता पाया पाए पाई
बताना बता बताओ बताइए बताऊं बताए बताएं बताओ बताएगा बताएंगे बताऊंगी बताता बताया बताए बताई
बनाना बना बनाओ बनाइए बनाऊं बनाए बनाएं बनाओ बनाएगा बनाएंगे बनाऊंगी बनाता बनाया बनाए बनाई
सुनाना सुना सुनाओ सुनाइए सुनाऊं सुनाए सुनाएं सुनाओ सुनाएगा सुनाएंगे सुनाऊंगी सुनाता सुनाया सुनाए सुनाई
दिखाना दिखा दिखाओ दिखाइए दिखाऊं दिखाए दिखाएं दिखाओ दिखाएगा दिखाएंगे दिखाऊंगी दिखाता दिखाया दिखाए दिखाई
सिखाना सिखा सिखाओ सिखाइए सिखाऊं सिखाए सिखाएं सिखाओ सिखाएगा सिखाएंगे सिखाऊंगी सिखाता सिखाया सिखाए सिखाई
पढ़ाना पढ़ा पढ़ाओ पढ़ाइए पढ़ाऊं पढ़ाए पढ़ाएं पढ़ाओ पढ़ाएगा पढ़ाएंगे पढ़ाऊंगी पढ़ाता पढ़ाया पढ़ाए पढ़ाई
बुलाना बुला बुलाओ बुलाइए बुलाऊं बुलाए बुलाएं बुलाओ बुलाएगा बुलाएंगे बुलाऊंगी बुलाता बुलाया बुलाए बुलाई
उठाना उठा उठाओ उठाइए उठाऊं उठाए उठाएं उठाओ उठाएगा उठाएंगे उठाऊंगी उठाता उठाया उठाए उठाई
चलाना चला चलाओ चलाइए चलाऊं चलाए चलाएं चलाओ चलाएगा चलाएंगे चलाऊंगी चलाता चलाया चलाए चलाई
नहाना नहा नहाओ नहाइए नहाऊं नहाए नहाएं नहाओ नहाएगा नहाएंगे नहाऊंगी नहाता नहाया नहाए नहाई
बजाना बजा बजाओ बजाइए बजाऊं बजाए बजाएं बजाओ बजाएगा बजाएंगे बजाऊंगी बजाता बजाया बजाए बजाई
छिपाना छिपा छिपाओ छिपाइए छिपाऊं छिपाए छिपाएं छिपाओ छिपाएगा छिपाएंगे छिपाऊंगी छिपाता छिपाया छिपाए छिपाई
समझाना समझा समझाओ समझाइए समझाऊं समझाए समझाएं समझाओ समझाएगा समझाएंगे समझाऊंगी समझाता समझाया समझाए समझाई
कमाना कमा कमाओ कमाइए कमाऊं कमाए कमाएं कमाओ कमाएगा कमाएंगे कमाऊंगी कमाता कमाया कमाए कमाई
जगाना जगा जगाओ जगाइए जगाऊं जगाए जगाएं जगाओ जगाएगा जगाएंगे जगाऊंगी जगाता जगाया जगाए जगाई
हटाना हटा हटाओ हटाइए हटाऊं हटाए हटाएं हटाओ हटाएगा हटाएंगे हटाऊंगी हटाता हटाया हटाए हटाई
लगाना लगा लगाओ लगाइए लगाऊं लगाए लगाएं लगाओ लगाएगा लगाएंगे लगाऊंगी लगाता लगाया लगाए लगाई
खिलाना खिला खिलाओ खिलाइए खिलाऊं खिलाए खिलाएं खिलाओ खिलाएगा खिलाएंगे खिलाऊंगी खिलाता खिलाया खिलाए खिलाई
पिलाना पिला पिलाओ पिलाइए पिलाऊं पिलाए पिलाएं पिलाओ पिलाएगा पिलाएंगे पिलाऊंगी पिलाता पिलाया पिलाए पिलाई
सुलाना सुला सुलाओ सुलाइए सुलाऊं सुलाए सुलाएं सुलाओ सुलाएगा सुलाएंगे सुलाऊंगी सुलाता सुलाया सुलाए सुलाई
घुमाना घुमा घुमाओ घुमाइए घुमाऊं घुमाए घुमाएं घुमाओ घुमाएगा घुमाएंगे घुमाऊंगी घुमाता घुमाया घुमाए घुमाई
बचाना बचा बचाओ बचाइए बचाऊं बचाए बचाएं बचाओ बचाएगा बचाएंगे बचाऊंगी बचाता बचाया बचाए बचाई
बिछाना बिछा बिछाओ बिछाइए बिछाऊं बिछाए बिछाएं बिछाओ बिछाएगा बिछाएंगे बिछाऊंगी बिछाता बिछाया बिछाए बिछाई
"""


def common_rows():
    for line in COMMON.strip().splitlines():
        w = line.split()
        yield pytest.param(w, id=w[0])


@pytest.mark.parametrize("w", list(common_rows()))
def test_common_verbs(w):
    assert len(w) == 15
    r = conj(w[0])
    assert r.infinitive == w[0]
    assert r.imperative == w[1:4]
    assert [r.subjunctive[i] for i in (0, 2, 3, 4)] == w[4:8]
    assert [r.future_masculine[2], r.future_masculine[5], r.future_feminine[0]] == w[8:11]
    assert r.imperfective[0] == w[11]
    assert r.perfective == w[12:15]


def test_common_table_is_large_and_distinct():
    verbs = [line.split()[0] for line in COMMON.strip().splitlines()]
    assert len(verbs) >= 100 and len(set(verbs)) == len(verbs)


CHALNA = {
    "infinitive": "चलना",
    "oblique_infinitive": "चलने",
    "imperative": ["चल", "चलो", "चलिए"],
    "subjunctive": ["चलूं", "चले", "चले", "चलें", "चलो", "चलें"],
    "future_masculine": ["चलूंगा", "चलेगा", "चलेगा", "चलेंगे", "चलोगे", "चलेंगे"],
    "future_feminine": ["चलूंगी", "चलेगी", "चलेगी", "चलेंगी", "चलोगी", "चलेंगी"],
    "imperfective": ["चलता", "चलते", "चलती"],
    "perfective": ["चला", "चले", "चली"],
}

KHANA = {
    "infinitive": "खाना",
    "oblique_infinitive": "खाने",
    "imperative": ["खा", "खाओ", "खाइए"],
    "subjunctive": ["खाऊं", "खाए", "खाए", "खाएं", "खाओ", "खाएं"],
    "future_masculine": ["खाऊंगा", "खाएगा", "खाएगा", "खाएंगे", "खाओगे", "खाएंगे"],
    "future_feminine": ["खाऊंगी", "खाएगी", "खाएगी", "खाएंगी", "खाओगी", "खाएंगी"],
    "imperfective": ["खाता", "खाते", "खाती"],
    "perfective": ["खाया", "खाए", "खाई"],
}

# The future "will be" is होगा/होंगे in standard Hindi, built on the
# subjunctive हो/हों, not on the dialectal होए/होएं.
HONA = {
    "infinitive": "होना",
    "oblique_infinitive": "होने",
    "imperative": ["हो", "होओ", "होइए"],
    "subjunctive": ["होऊं", "हो", "हो", "हों", "होओ", "हों"],
    "future_masculine": ["होऊंगा", "होगा", "होगा", "होंगे", "होओगे", "होंगे"],
    "future_feminine": ["होऊंगी", "होगी", "होगी", "होंगी", "होओगी", "होंगी"],
    "imperfective": ["होता", "होते", "होती"],
    "perfective": ["हुआ", "हुए", "हुई"],
}


@pytest.mark.parametrize("table", [CHALNA, KHANA, HONA], ids=["chalna", "khana", "hona"])
def test_full_tables(table):
    r = conj(table["infinitive"])
    assert {a: getattr(r, a) for a in ATTRIBUTES} == table


def test_karna_mixes_row_and_rule():
    r = conj("करना")
    assert r.perfective == ["किया", "किए", "की"]
    assert r.imperative == ["कर", "करो", "कीजिए"]
    assert r.subjunctive == ["करूं", "करे", "करे", "करें", "करो", "करें"]
    assert r.future_masculine == ["करूंगा", "करेगा", "करेगा", "करेंगे", "करोगे", "करेंगे"]
    assert r.future_feminine[4] == "करोगी"


def test_future_is_built_on_the_lexicon_subjunctive():
    r = conj("देना")
    assert r.future_masculine == ["दूंगा", "देगा", "देगा", "देंगे", "दोगे", "देंगे"]
    assert r.future_feminine == ["दूंगी", "देगी", "देगी", "देंगी", "दोगी", "देंगी"]
    assert conj("पीना").future_masculine[4] == "पियोगे"


# --- the compound head ----------------------------------------------------

@pytest.mark.parametrize("head, verb", [
    ("काम ", "करना"), ("इंतज़ार ", "करना"), ("ले ", "आना"), ("बंद ", "होना"),
    ("बहुत  ", "चलना"), ("a b ", "खाना"),
])
def test_compound_head_prefixes_every_form(head, verb):
    whole = conj(head + verb)
    bare = conj(verb)
    for a in ATTRIBUTES:
        got, want = getattr(whole, a), getattr(bare, a)
        if isinstance(want, str):
            assert got == head + want
        else:
            assert got == [head + f for f in want]


def test_compound_head_uses_the_row_of_the_last_word():
    r = conj("काम करना")
    assert r.perfective == ["काम किया", "काम किए", "काम की"]
    assert r.imperative[2] == "काम कीजिए"
    assert conj("चला जाना").perfective[0] == "चला गया"


@pytest.mark.parametrize("text, infinitive", [
    ("  करना\n", "करना"), ("\u3000करना\u00a0", "करना"), ("\tकाम करना ", "काम करना"),
])
def test_surrounding_white_space_is_trimmed(text, infinitive):
    r = conj(text)
    assert r.infinitive == infinitive
    assert r.perfective[0].endswith("किया")


def test_only_the_ascii_space_splits():
    # A tab or a no-break space is part of the word: the whole text is the verb.
    r = conj("काम\tकरना")
    assert r.infinitive == "काम\tकरना"
    assert r.perfective == ["काम\tकरा", "काम\tकरे", "काम\tकरी"]
    assert conj("काम\u00a0करना").imperative[2] == "काम\u00a0करिए"


# --- stems ---------------------------------------------------------------

@pytest.mark.parametrize("verb, pfv, polite", [
    ("चलना", "चला", "चलिए"),          # consonant
    ("खाना", "खाया", "खाइए"),         # ा
    ("सोना", "सोया", "सोइए"),         # ो
    ("बोआना", "बोआया", "बोआइए"),      # independent vowel आ
    ("पढ़ना", "पढ़ा", "पढ़िए"),       # ends in a nukta
    ("क्ना", "क्ा", "क्िए"),          # ends in a virama: not a vowel
    ("बंधना", "बंधा", "बंधिए"),
])
def test_vowel_final_decides_the_suffixes(verb, pfv, polite):
    r = conj(verb)
    assert r.perfective[0] == pfv
    assert r.imperative[2] == polite


@pytest.mark.parametrize("vowel", list("ािीुूृेैोौअआइईउऊएऐओऔ"))
def test_each_vowel_character_makes_a_vowel_stem(vowel):
    stem = "क" + vowel
    r = conj(stem + "ना")
    assert r.perfective == [stem + "या", stem + "ए", stem + "ई"]
    assert r.imperative == [stem, stem + "ओ", stem + "इए"]
    assert r.subjunctive == [stem + s for s in ("ऊं", "ए", "ए", "एं", "ओ", "एं")]


@pytest.mark.parametrize("last", ["\u093c", "\u094d", "\u0902", "\u0901", "\u0903", "\u0960", "क", "x"])
def test_other_final_characters_make_a_consonant_stem(last):
    stem = "क" + last
    r = conj(stem + "ना")
    assert r.perfective == [stem + "ा", stem + "े", stem + "ी"]
    assert r.subjunctive == [stem + s for s in ("ूं", "े", "े", "ें", "ो", "ें")]


# --- failures ---------------------------------------------------------------

@pytest.mark.parametrize("text", [
    "", "   ", "\n\t", "ना", " ना ", "काम ना", "चल", "करनी", "करने", "काम ", "करना काम",
    "karna", "ना्", "करना\u200b", "करना।",
])
def test_not_an_infinitive(text):
    with pytest.raises(ValueError, match="^not a Hindi infinitive$"):
        conj(text)


def test_ending_is_compared_byte_for_byte():
    # ऩ (the single letter) + ा, or न + nukta + ा, is not the ending ना.
    for text in ("कर\u0929\u093e", "कर\u0928\u093c\u093e"):
        with pytest.raises(ValueError):
            conj(text)


def test_language_codes():
    for code in ("hi", "hin", "HINDI", "Hi"):
        assert velnor.conjugate("चलना", lang=code).perfective[0] == "चला"


# --- the lexicon ---------------------------------------------------------

def lexicon_lines():
    with open(DATA, encoding="utf-8") as f:
        return f.read().split("\n")


def test_lexicon_header():
    comments = []
    for line in lexicon_lines():
        if not line.startswith("#"):
            break
        comments.append(line)
    assert comments[0] == "# Hindi irregular verbs."
    assert comments[-1] == COLUMNS


def test_every_lexicon_row_is_well_formed_and_used():
    rows = [line for line in lexicon_lines() if line and not line.startswith("#")]
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(rows) >= 8 and len(set(lemmas)) == len(lemmas)
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 4, row
        lemma = cells[0]
        assert lemma.endswith("ना") and " " not in lemma
        r = conj(lemma)
        for cell, attr, n in ((cells[1], "perfective", 3), (cells[2], "subjunctive", 6),
                              (cells[3], "imperative", 3)):
            if cell == "-":
                continue
            forms = cell.split(",")
            assert len(forms) == n and all(f and f.strip() == f for f in forms), row
            assert getattr(r, attr) == forms, row
        if cells[2] != "-":
            subj = cells[2].split(",")
            assert r.future_masculine == [s + e for s, e in zip(subj, ["गा", "गा", "गा", "गे", "गे", "गे"])]
            assert r.future_feminine == [s + "गी" for s in subj]


@pytest.mark.parametrize("lemma", ["होना", "जाना", "करना", "देना", "लेना", "पीना", "जीना", "सीना"])
def test_named_rows_present(lemma):
    assert any(line.split("\t")[0] == lemma for line in lexicon_lines() if not line.startswith("#"))


# --- the class -------------------------------------------------------------

def test_class_shape():
    cls = velnor.HindiConjugation
    assert cls.__doc__ == DOC
    r = conj("चलना")
    assert type(r) is cls
    for a in ATTRIBUTES:
        with pytest.raises(AttributeError):
            setattr(r, a, "x")
    with pytest.raises(TypeError):
        cls()
    for a, n in ROW_LENGTHS.items():
        v = getattr(r, a)
        assert isinstance(v, list) and len(v) == n and all(isinstance(f, str) for f in v)
    assert r.imperative is not r.imperative


@pytest.mark.parametrize("text, shown", [
    ("चलना", 'HindiConjugation("चलना")'),
    ("खाना", 'HindiConjugation("खाना")'),
    ("देना", 'HindiConjugation("द\\u{947}ना")'),
    ("छूना", 'HindiConjugation("छ\\u{942}ना")'),
    ('"\\ करना', 'HindiConjugation("\\"\\\\ करना")'),
    ("a\tपढ़ना", 'HindiConjugation("a\\tपढ\\u{93c}ना")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def test_results_are_independent():
    a = conj("लेना")
    a.imperative.append("x")
    assert conj("लेना").imperative == ["ले", "लो", "लीजिए"]
