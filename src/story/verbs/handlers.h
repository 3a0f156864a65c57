// The handlers of the verb chain. Each looks at session.command and either
// answers (the turn ends) or lets the next handler try (nothing). A handler
// that turns the command into another verb's continues at that verb's
// handler (HandOver in verb_support.h). Each family of verbs has its file.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

using VerbHandler = TurnStep (*)(GameSession&, Console&);

// senses.cpp
TurnStep CheckSenseArticles(GameSession& session, Console& console);  // "lausche", "rieche", "grabe": articles
TurnStep Smell(GameSession& session, Console& console);               // "rieche"
TurnStep Listen(GameSession& session, Console& console);              // "lausche"
TurnStep Think(GameSession& session, Console& console);               // "denke"

// examining.cpp
TurnStep Search(GameSession& session, Console& console);   // "durchsuche"
TurnStep Examine(GameSession& session, Console& console);  // "untersuche"
TurnStep Find(GameSession& session, Console& console);     // "finde"

// reading.cpp
TurnStep Tear(GameSession& session, Console& console);  // "zerreiße"
TurnStep Read(GameSession& session, Console& console);  // "lese"

// looking.cpp
TurnStep Look(GameSession& session, Console& console);  // "schaue"

// body.cpp
TurnStep Jump(GameSession& session, Console& console);    // "springe"
TurnStep Cross(GameSession& session, Console& console);   // "überquere"
TurnStep Go(GameSession& session, Console& console);      // "gehe"
TurnStep Crawl(GameSession& session, Console& console);   // "krieche"
TurnStep Stride(GameSession& session, Console& console);  // "durchschreite"
TurnStep SitOn(GameSession& session, Console& console);   // "sitze"
TurnStep Sit(GameSession& session, Console& console);     // "setze"
TurnStep Wake(GameSession& session, Console& console);    // "wecke"
TurnStep Climb(GameSession& session, Console& console);   // "steige"
TurnStep Enter(GameSession& session, Console& console);   // "betrete"
TurnStep Stand(GameSession& session, Console& console);   // "stehe"
TurnStep Leave(GameSession& session, Console& console);   // "verlasse"
TurnStep Follow(GameSession& session, Console& console);  // "folge"
TurnStep GoInto(GameSession& session, Console& console);  // "gehe" into something

// eating.cpp
TurnStep Smoke(GameSession& session, Console& console);  // "rauche"
TurnStep Taste(GameSession& session, Console& console);  // "probiere"
TurnStep Eat(GameSession& session, Console& console);    // "esse"
TurnStep Drink(GameSession& session, Console& console);  // "trinke"

// handling.cpp
TurnStep TouchTheBall(GameSession& session, Console& console);  // the frog's ball: push, pull, touch, roll
TurnStep Pull(GameSession& session, Console& console);          // "ziehe"
TurnStep Knock(GameSession& session, Console& console);         // "klopfe"
TurnStep Loosen(GameSession& session, Console& console);        // "löse"
TurnStep Replace(GameSession& session, Console& console);       // "ersetze"
TurnStep Touch(GameSession& session, Console& console);         // "berühre"
TurnStep Rotate(GameSession& session, Console& console);        // "drehe"
TurnStep MoveObject(GameSession& session, Console& console);    // "bewege"
TurnStep Sweep(GameSession& session, Console& console);         // "kehre"
TurnStep Press(GameSession& session, Console& console);         // "drücke"
TurnStep Bend(GameSession& session, Console& console);          // "biege"
TurnStep Repair(GameSession& session, Console& console);        // "repariere"
TurnStep Swing(GameSession& session, Console& console);         // "schwinge"
TurnStep RemoveThing(GameSession& session, Console& console);   // "entferne"
TurnStep Clean(GameSession& session, Console& console);         // "putze", "reinige"
TurnStep Push(GameSession& session, Console& console);          // "schiebe"
TurnStep Use(GameSession& session, Console& console);           // "benutze"

// opening.cpp
TurnStep Close(GameSession& session, Console& console);  // "schließe", also locking and unlocking
TurnStep Open(GameSession& session, Console& console);   // "öffne"

// trade.cpp
TurnStep Buy(GameSession& session, Console& console);  // "kaufe"
TurnStep Pay(GameSession& session, Console& console);  // "bezahle"

// talking.cpp
TurnStep Call(GameSession& session, Console& console);      // "rufe"
TurnStep Talk(GameSession& session, Console& console);      // "rede"
TurnStep Tell(GameSession& session, Console& console);      // "erzähle"
TurnStep AskAbout(GameSession& session, Console& console);  // "frage"

// social.cpp
TurnStep Greet(GameSession& session, Console& console);   // "grüße"
TurnStep Kiss(GameSession& session, Console& console);    // "küsse"
TurnStep Stroke(GameSession& session, Console& console);  // "streichle"
TurnStep Tickle(GameSession& session, Console& console);  // "kitzle"
TurnStep Hug(GameSession& session, Console& console);     // "umarme"

// rough.cpp
TurnStep Kick(GameSession& session, Console& console);       // "trete"
TurnStep Light(GameSession& session, Console& console);      // "zünde"
TurnStep Trample(GameSession& session, Console& console);    // "zertrete"
TurnStep Torment(GameSession& session, Console& console);    // "quäle"
TurnStep Catch(GameSession& session, Console& console);      // "fange"
TurnStep Kill(GameSession& session, Console& console);       // "töte"
TurnStep Ride(GameSession& session, Console& console);       // "reite"
TurnStep Destroy(GameSession& session, Console& console);    // "zerstöre"
TurnStep ScareAway(GameSession& session, Console& console);  // "verscheuche"
TurnStep Hit(GameSession& session, Console& console);        // "schlage"

// giving.cpp
TurnStep Feed(GameSession& session, Console& console);        // "fütter"
TurnStep GiveOrShow(GameSession& session, Console& console);  // "gebe", "zeige"
TurnStep Lure(GameSession& session, Console& console);        // "locke"

// putting.cpp
TurnStep Throw(GameSession& session, Console& console);      // "werfe" without a place
TurnStep Stick(GameSession& session, Console& console);      // "stecke"
TurnStep PutInOrOn(GameSession& session, Console& console);  // "lege", "stelle", "werfe", "stecke" into or onto

// take_drop.cpp
TurnStep Take(GameSession& session, Console& console);     // "nehme", also everything
TurnStep PutDown(GameSession& session, Console& console);  // "lege", "stelle", "werfe", "stecke" without a place

// default_answers.cpp: what no handler answered. It always answers.
TurnStep DefaultAnswer(GameSession& session, Console& console);
